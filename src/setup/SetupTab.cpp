#include "setup/SetupTab.h"

#include "common/EditMode.h"
#include "frame/WorkWindow.h"
#include "platform/dao/DaoError.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace setup {

using frame::toQ;

SetupTab::SetupTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : m_file(file), m_cellExits(cellExits)
{
}

// ---- focus ----------------------------------------------------------------------------

void SetupTab::watchFocus(QWidget* w)
{
    w->installEventFilter(this);
}

bool SetupTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        m_cellExits.focusOut(event, [&] {
            try {
                controlLeft(watched);
            } catch (const std::exception& e) {
                reportFailure("入力した内容を保存できませんでした", e);
            }
        });
    } else if (event->type() == QEvent::FocusIn) {
        controlEntered(watched);
    }
    return QWidget::eventFilter(watched, event);
}

bool SetupTab::textSelectsOnEntry(const QLineEdit*) const
{
    return o::EditModeIsOn();
}

bool SetupTab::comboSelectsOnEntry(const QComboBox*) const
{
    return false;
}

void SetupTab::controlEntered(QObject* control)
{
    QLineEdit* edit = nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (comboSelectsOnEntry(combo))
            edit = combo->lineEdit();
    } else if (auto* text = qobject_cast<QLineEdit*>(control)) {
        if (textSelectsOnEntry(text))
            edit = text;
    }
    if (edit)
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

// ---- messages -------------------------------------------------------------------------

void SetupTab::refuse(const std::string& message)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

void SetupTab::reportFailure(const std::string& what, const std::exception& e)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(what + "\n" + e.what(), ui::Buttons::Ok);
}

void SetupTab::refreshAfterFailure(const std::function<void()>& refresh)
{
    try {
        refresh();
    } catch (const dao::DaoError& e) {
        if (e.code() != dao::DaoError::Code::Busy)
            throw;
    }
}

// ---- the settings row -------------------------------------------------------------------

bool SetupTab::storeSetting(const std::string& field, const dao::Value& value)
{
    return storeSettings({{field, value}}, "「" + field + "」");
}

bool SetupTab::storeSettings(const std::vector<std::pair<std::string, dao::Value>>& fields, const std::string& what)
{
    dao::Recordset& settings = *m_file.SettingsRecordset;
    try {
        settings.Edit();
        for (const auto& [field, value] : fields)
            settings.set(field, value);
        settings.Update();
        return true;
    } catch (const std::exception& e) {
        if (settings.editMode() != dao::EditState::None)
            settings.CancelUpdate();
        reportFailure(what + "を保存できませんでした", e);
        return false;
    }
}

// ---- lists of records -------------------------------------------------------------------

void SetupTab::fillList(QListWidget* list, dao::Recordset& rs, const ComparedFields& compared,
                        const std::function<std::pair<std::string, std::string>(dao::Recordset&)>& line)
{
    clearList(list);
    m_compared[list] = compared;
    if (rs.isEmpty())
        return;
    std::vector<std::string>& keys = m_keys[list];
    std::vector<std::string>& prints = m_prints[list];
    QStringList items;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        auto [text, key] = line(rs);
        items << toQ(text);
        keys.push_back(std::move(key));
        prints.push_back(RecordFingerprint(rs, compared));
    }
    list->addItems(items);
}

void SetupTab::clearList(QListWidget* list)
{
    list->clear();
    m_keys[list].clear();
    m_prints[list].clear();
}

const std::vector<std::string>& SetupTab::lineKeys(const QListWidget* list) const
{
    static const std::vector<std::string> none;
    const auto it = m_keys.find(list);
    return it == m_keys.end() ? none : it->second;
}

const std::vector<std::string>& SetupTab::lineFingerprints(const QListWidget* list) const
{
    static const std::vector<std::string> none;
    const auto it = m_prints.find(list);
    return it == m_prints.end() ? none : it->second;
}

int SetupTab::chosenLine(const QListWidget* list)
{
    if (list->selectedItems().isEmpty())
        return -1;
    return list->currentRow();
}

ShownLine SetupTab::shownLine(const QListWidget* list, int line) const
{
    const auto compared = m_compared.find(list);
    return ShownLineAt(lineKeys(list), lineFingerprints(list),
                       compared == m_compared.end() ? ComparedFields() : compared->second, line);
}

std::optional<ShownLine> SetupTab::chosenRecord(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                                const char* what, const std::function<void()>& refresh)
{
    const int line = chosenLine(list);
    if (line < 0 || line >= static_cast<int>(lineKeys(list).size()))
        return std::nullopt;
    ShownLine shown = shownLine(list, line);
    const ShownState state = LocateShownRecord(rs, keyOf, shown);
    if (state != ShownState::Unchanged) {
        refuse(ShownStateMessage(state, what));
        refresh();
        return std::nullopt;
    }
    return shown;
}

}  // namespace setup
