#include "closing/Form37.h"

#include "closing/ClosingEntryTab.h"
#include "closing/Rollover.h"
#include "closing/RolloverPeriod.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/Form1.h"
#include "frame/WindowRegistry.h"
#include "periodfile/SchemaNames.h"
#include "platform/ui/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace closing {

namespace {

struct LabelText {
    int index;
    const char* text;
};

// Label2 lists the steps ① to ⑤; its indexes are not in step order.
constexpr LabelText kSteps[] = {
    {1, "①総勘定科目の残高更新"}, {0, "②会計期間内の仕訳レコード削除"}, {5, "③銀行仕訳レコード削除"},
    {4, "④銀行期首残高更新"},     {2, "⑤会計年度及び会計期間の更新"},
};

QFont boldFont(double points)
{
    QFont font = frame::proportionalFont(points);
    font.setBold(true);
    return font;
}

// The windows that never hold a period's work: the menu and this window.
bool isWorkWindow(const std::string& name)
{
    return name != "Form1" && name != "Form2" && name != "Form37";
}

void refuse(const std::string& text)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(text, ui::Buttons::Ok);
}

}  // namespace

std::string OtherWindowOpenMessage(const std::string& title)
{
    return "「" + title + "」の画面が開いています。閉じてから年次更新を行ってください";
}

Form37::Form37()
{
    buildControls();
    openPeriodFile();
    SettingsRecordset = openRecordset(schema::table::Settings);
    requireSettingsRow(*SettingsRecordset);
    SetFormCaption(*SettingsRecordset, "年次更新");
}

void Form37::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto addLabel = [&](std::map<int, QLabel*>& labels, const char* array, int index, const char* text,
                        const QFont& font) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QString("%1_%2").arg(array).arg(index));
        label->setFont(font);
        labels[index] = label;
        layout->addWidget(label);
    };
    addLabel(m_label1, "Label1", 0, "財務会計　年度更新処理", boldFont(14.25));
    layout->addSpacing(12);
    addLabel(m_label1, "Label1", 1,
             "年度更新開始で最初にファイルをコピーし、新年度用のファイルを作成します　ファイル名はXXXX第XX期　XX次期会"
             "計年度",
             boldFont(12));
    addLabel(m_label1, "Label1", 2, "更新処理を行います", boldFont(12));
    layout->addSpacing(12);
    for (const LabelText& step : kSteps)
        addLabel(m_label2, "Label2", step.index, step.text, frame::proportionalFont(12));
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const LabelText captions[] = {{StartRollover, "年度更新"}, {Quit, "終了"}};
    for (const LabelText& caption : captions) {
        auto* button = new QPushButton(QString::fromUtf8(caption.text), this);
        button->setObjectName(QString("Command1_%1").arg(caption.index));
        button->setMinimumSize(120, 36);
        connect(button, &QPushButton::clicked, this, [this, index = caption.index] { Command1_Click(index); });
        m_command1[caption.index] = button;
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    resize(layout->sizeHint().expandedTo(QSize(640, 400)));
}

QLabel* Form37::Label1(int index) const
{
    const auto it = m_label1.find(index);
    return it == m_label1.end() ? nullptr : it->second;
}

QLabel* Form37::Label2(int index) const
{
    const auto it = m_label2.find(index);
    return it == m_label2.end() ? nullptr : it->second;
}

QPushButton* Form37::Command1(int index) const
{
    const auto it = m_command1.find(index);
    return it == m_command1.end() ? nullptr : it->second;
}

void Form37::Command1_Click(int index)
{
    if (index == StartRollover)
        RunRollover();
    else if (index == Quit)
        close();
}

bool Form37::refuseWhileOtherWindowsAreOpen()
{
    for (const auto& open : frame::WindowRegistry::instance().openWindows()) {
        if (isWorkWindow(open.name) && open.widget != this) {
            refuse(OtherWindowOpenMessage(open.title));
            return true;
        }
    }
    return false;
}

void Form37::RunRollover()
{
    if (!m_command1[0]->isEnabled())
        return;  // spent: the period has been rolled over
    if (ui::dialogs().messageBox(kRolloverQuestion, ui::Buttons::YesNo, std::string(kRolloverTitle)) != ui::Answer::Yes)
        return;
    if (refuseWhileOtherWindowsAreOpen())
        return;

    SettingsRecordset->MoveFirst();
    o::DbFilePath = o::PathInDataFolder(o::DbFileName);
    const RolloverPeriodOrRefusal period = CheckRolloverPeriod(SettingsRecordset->get(schema::column::PeriodNumber),
                                                               SettingsRecordset->get(schema::column::PeriodStart),
                                                               SettingsRecordset->get(schema::column::PeriodEnd));
    if (!period.period) {
        refuse(period.refusal);
        return;
    }
    const RolloverFilesOrRefusal files = RolloverFilesFor(o::DataFolder, o::DbFileName, period.period->number);
    if (!files.files) {
        refuse(files.refusal);
        return;
    }
    std::error_code error;
    if (std::filesystem::exists(files.files->targetPath, error)
        && ui::dialogs().messageBox(ReplaceTargetQuestion(files.files->targetName), ui::Buttons::YesNoDefaultNo,
                                    std::string(kRolloverTitle))
            != ui::Answer::Yes)
        return;

    const auto goOnUnbalanced = [](const std::string& question) {
        return ui::dialogs().messageBox(question, ui::Buttons::YesNoDefaultNo, std::string(kRolloverTitle))
            == ui::Answer::Yes;
    };
    const RolloverOutcome outcome = RollOverPeriodFile(*files.files, goOnUnbalanced);
    if (outcome.declined)
        return;
    if (!outcome.done) {
        refuse(outcome.failure);
        return;
    }
    o::DbWorkspace = dao::DBEngine::instance().Workspaces(0);
    o::CompanyDb = o::DbWorkspace->OpenDatabase(files.files->targetPath);
    SettingsRecordset = o::CompanyDb->OpenRecordset(schema::table::Settings, dao::RecordsetType::Dynaset);
    m_command1[0]->setEnabled(false);
    frame::ListPeriodFilesAgain();
    ui::dialogs().messageBox(RolloverDoneMessage(files.files->targetName), ui::Buttons::Ok);
}

}  // namespace closing

void registerClosingWindows()
{
    frame::WindowRegistry::instance().add("Form37", [] { return static_cast<QWidget*>(new closing::Form37()); });
    closing::registerClosingEntryTab();
}
