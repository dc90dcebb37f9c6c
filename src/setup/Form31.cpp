// The load of the setup window, its edit mode and the focus handlers of its fields.
#include "setup/Form31.h"

#include "frame/WindowRegistry.h"
#include "registers/UniqueBankCodes.h"
#include "platform/ui/Dialogs.h"

#include <QButtonGroup>
#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace setup {

using frame::fromQ;
using frame::toQ;

// ---- load ----------------------------------------------------------------------

Form31::Form31()
{
    buildControls();
    openPeriodFile();
    m_file.workspace = o::DbWorkspace;
    m_file.database = o::CompanyDb;
    m_file.SettingsRecordset = openRecordset("会計設定");
    m_file.AccountMasterRecordset = openRecordset("Q_勘定科目コード表");
    m_file.AccountMaster2Recordset = openRecordset("Q_勘定科目コード表２");
    m_file.UsedAccountsRecordset = openRecordset("Q_使用勘定科目表");
    m_file.EraCodeRecordset = openRecordset("Q_年号コード");
    m_file.BanksInUseRecordset = openRecordset("Q_使用銀行");
    m_file.BranchesInUseRecordset = openRecordset("Q_使用銀行支店");
    m_file.BankAccountRecordset = openRecordset("Q_取引銀行");
    m_file.TemplateRecordset = openRecordset("Q_仕訳定型台帳");
    m_file.DepositKindRecordset = openRecordset("預金種別");
    m_file.PartnerRecordset = openRecordset("Q_取引先管理");
    m_file.TaxRateRecordset = openRecordset("Q_消費税率");
    m_file.FixedAssetRecordset = openRecordset("Q_固定資産台帳");
    m_file.LeaseRecordset = openRecordset("Q_リース資産管理");
    openEraRecordset();
    requireSettingsRow(*m_file.SettingsRecordset);
    // A damaged value of the chart, the rates or the registers is refused here,
    // before the load stores the opening cash.
    for (dao::Recordset* rows : {m_file.SettingsRecordset.get(), m_file.AccountMasterRecordset.get(), m_file.TaxRateRecordset.get(), m_file.FixedAssetRecordset.get(),
                                 m_file.BankAccountRecordset.get(), m_file.LeaseRecordset.get()})
        requireReadableRows(*rows);
    registers::RequireUniqueBankCodes(*m_file.database);
    SetFormCaption("会計初期設定");
    showCompanyName();
    FillSetupLists();
    LoadSetupTabs();
    m_templateTab->ClearEntry();
    // Loading leaves edit mode off; the inputs show it whether or not it was on before.
    editModeChanged(o::EditModeIsOn());
}

Form31::~Form31() = default;

void Form31::SetFormCaption(const std::string& title)
{
    frame::WorkWindow::SetFormCaption(*m_file.SettingsRecordset, title);
}

void Form31::showCompanyName()
{
    Label1->setText(toQ(m_file.SettingsRecordset->get("事業所名").toText()));
}

// ---- the buttons below the tabs ---------------------------------------------------

void Form31::Command5_Click(int index)
{
    switch (index) {
    case 0:
        if (o::EditModeIsOn()) {
            o::SetEditMode(o::EditModeOff);
        } else {
            o::SetEditMode(o::EditModeOn);
            EnableAllGroups();
        }
        break;
    case 1: close(); break;
    case 2: InitialiseSystem(); break;
    default: break;
    }
}

// ---- edit mode --------------------------------------------------------------------

void Form31::editModeChanged(bool on)
{
    Command5[0]->setText(on ? "編集解除" : "編集");
    applyEditMode(on);
}

void Form31::applyEditMode(bool on)
{
    for (int group = 0; group <= 5; ++group)
        setGroupUsable(group, on);
    for (SetupTab* tab : m_tabs)
        tab->setInputsUsable(on);
}

void Form31::EnableAllGroups()
{
    for (int group = 0; group <= 5; ++group)
        EnableInputGroup(group);
    for (SetupTab* tab : m_tabs)
        tab->setInputsUsable(o::EditModeIsOn());
}

void Form31::EnableInputGroup(int group)
{
    if (group < 0 || group > 5)
        return;
    setGroupUsable(group, o::EditModeIsOn());
}

// Group 0: the period number, the dates, the bank-account boxes, the account
// fields and the industry; 1: the tax options and the rate rows; 2: the
// template grid; 3: the partner boxes; 4: the fixed-asset fields; 5: the company
// fields. A text box becomes read-only, any other input disabled. The lease
// boxes, the balance-column choice, the lists and the print boxes work in
// either mode and belong to no group.
void Form31::setGroupUsable(int group, bool usable)
{
    const auto set = [usable](QWidget* w) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setReadOnly(!usable);
        else
            w->setEnabled(usable);
    };
    switch (group) {
    case 0:
        for (QComboBox* box : Combo2) set(box);
        set(Text3[0]);
        for (QLineEdit* edit : Text5) set(edit);
        for (QCheckBox* box : Check2) set(box);
        for (QRadioButton* option : Option6) set(option);
        for (QRadioButton* option : Option3) set(option);
        break;
    default: break;
    }
}

// ---- focus ----------------------------------------------------------------------------

void Form31::watchFocus(QWidget* w)
{
    w->installEventFilter(this);
    m_watched.push_back(w);
}

bool Form31::eventFilter(QObject* watched, QEvent* event)
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
    return frame::WorkWindow::eventFilter(watched, event);
}

void Form31::controlLeft(QObject* control)
{
    const auto indexIn = [control](const auto& array) -> int {
        for (std::size_t i = 0; i < array.size(); ++i)
            if (array[i] == control)
                return static_cast<int>(i);
        return -1;
    };
    if (int i = indexIn(Text5); i >= 0) return Text5_LostFocus(i);
}

// Entering a field selects its whole text while edit mode is on (a template bank
// cell always; an empty template account cell selects nothing; the totals cells never).
void Form31::controlEntered(QObject* control)
{
    const bool editing = o::EditModeIsOn();
    QLineEdit* edit = nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (!editing || std::find(Combo2.begin(), Combo2.end(), control) == Combo2.end())
            return;
        edit = combo->lineEdit();
    } else if (auto* text = qobject_cast<QLineEdit*>(control)) {
        if (!editing)
            return;
        edit = text;
    }
    if (edit)
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

// ---- helpers ------------------------------------------------------------------------------

void Form31::refuse(const std::string& message)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

void Form31::reportFailure(const std::string& what, const std::exception& e)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(what + "\n" + e.what(), ui::Buttons::Ok);
}

void Form31::fillList(QListWidget* list, dao::Recordset& rs,
                      const std::function<std::pair<std::string, std::string>(dao::Recordset&)>& line)
{
    clearList(list);
    if (rs.isEmpty())
        return;
    std::vector<std::string>& keys = m_keys[list];
    std::vector<std::string>& prints = m_prints[list];
    QStringList items;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        auto [text, key] = line(rs);
        items << toQ(text);
        keys.push_back(std::move(key));
        prints.push_back(RecordFingerprint(rs));
    }
    list->addItems(items);
}

void Form31::clearList(QListWidget* list)
{
    list->clear();
    m_keys[list].clear();
    m_prints[list].clear();
}

const std::vector<std::string>& Form31::lineKeys(const QListWidget* list) const
{
    for (const SetupTab* tab : m_tabs)
        if (!tab->lineKeys(list).empty())
            return tab->lineKeys(list);
    static const std::vector<std::string> none;
    const auto it = m_keys.find(list);
    return it == m_keys.end() ? none : it->second;
}

const std::vector<std::string>& Form31::lineFingerprints(const QListWidget* list) const
{
    static const std::vector<std::string> none;
    const auto it = m_prints.find(list);
    return it == m_prints.end() ? none : it->second;
}

int Form31::chosenLine(const QListWidget* list)
{
    if (list->selectedItems().isEmpty())
        return -1;
    return list->currentRow();
}

ShownLine Form31::shownLine(const QListWidget* list, int line) const
{
    return ShownLineAt(lineKeys(list), lineFingerprints(list), line);
}

std::optional<ShownLine> Form31::chosenRecord(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                              const char* what, void (Form31::*refresh)())
{
    const int line = chosenLine(list);
    if (line < 0 || line >= static_cast<int>(lineKeys(list).size()))
        return std::nullopt;
    ShownLine shown = shownLine(list, line);
    const ShownState state = LocateShownRecord(rs, keyOf, shown);
    if (state != ShownState::Unchanged) {
        refuse(ShownStateMessage(state, what));
        (this->*refresh)();
        return std::nullopt;
    }
    return shown;
}

}  // namespace setup

void registerSetupWindows()
{
    frame::WindowRegistry::instance().add("Form31", [] { return static_cast<QWidget*>(new setup::Form31()); });
}
