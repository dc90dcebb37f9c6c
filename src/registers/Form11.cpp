#include "registers/Form11.h"

#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/RecordList.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Transaction.h"
#include "platform/ui/Dialogs.h"
#include "registers/BankCodes.h"
#include "registers/BankMasterUsage.h"
#include "registers/BankMasterWrites.h"
#include "registers/UniqueBankCodes.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace registers {

using frame::fromQ;
using frame::toQ;

namespace {

const char* const kNewBankName = "＊新規銀行登録名＊";
const char* const kNewBranchName = "＊新規支店登録名＊";
const char* const kBankChangedElsewhere =
    "選択された銀行は他で変更または削除されています　一覧を読み直しましたので選び直してください";
const char* const kBranchChangedElsewhere =
    "選択された支店は他で変更または削除されています　一覧を読み直しましたので選び直してください";

// Space between a list's left edge and its first character.
constexpr int kListInset = 4;

// A field of a list line: where it begins and how wide it is, in Shift-JIS bytes.
struct Column {
    int byteOffset;
    int byteWidth;
};

// 銀行コード, 銀行名, 振込銀行名, mark.
constexpr Column kBankColumns[] = {{0, 8}, {9, 30}, {40, 22}, {63, 2}};
constexpr int kBankLineBytes = 65;
// 銀行名, branch number, 支店名, 振込支店名, mark.
constexpr Column kBranchColumns[] = {{0, 16}, {17, 8}, {26, 26}, {53, 22}, {76, 2}};
constexpr int kBranchLineBytes = 78;

double CellWidth()
{
    return QFontMetricsF(frame::fixedPitchFont(9)).horizontalAdvance(QLatin1Char('0'));
}

// A strip whose children stand over the list's columns: child i at column i.
QWidget* ColumnStrip(const std::vector<QWidget*>& children, const Column* columns, bool fitToColumn)
{
    auto* strip = new QWidget;
    const double cell = CellWidth();
    int height = 0;
    int right = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        QWidget* child = children[i];
        child->setParent(strip);
        child->adjustSize();
        const int x = kListInset + static_cast<int>(std::lround(columns[i].byteOffset * cell));
        int width = child->width();
        if (fitToColumn)
            width = std::max(width, static_cast<int>(std::lround(columns[i].byteWidth * cell)));
        child->setGeometry(x, 0, width, child->height());
        height = std::max(height, child->height());
        right = std::max(right, x + width);
    }
    strip->setMinimumSize(right, height);
    strip->setFixedHeight(height);
    return strip;
}

QLabel* NewLabel(const char* text, const QString& objectName, double pointSize)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(objectName);
    label->setFont(frame::proportionalFont(pointSize));
    return label;
}

void Beep()
{
    ui::dialogs().beep();
}

void Refuse(const std::string& message)
{
    Beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

std::string NameOrCode(const std::string& name, const std::string& code)
{
    return name.empty() ? code : name;
}

}  // namespace

Form11::Form11()
{
    buildControls();
    BankMasterWorkspace = dao::DBEngine::instance().Workspaces(0);
    BankMasterDb = BankMasterWorkspace->OpenDatabase(o::DbFilePath);
    SettingsRecordset = BankMasterDb->OpenRecordset(schema::table::Settings, dao::RecordsetType::Dynaset);
    BankMasterRecordset = BankMasterDb->OpenRecordset(schema::query::BankMaster, dao::RecordsetType::Dynaset);
    BranchMasterRecordset = BankMasterDb->OpenRecordset(schema::query::BranchMaster, dao::RecordsetType::Dynaset);
    requireSettingsRow(*SettingsRecordset);
    requireReadableRows(*SettingsRecordset);
    RequireUniqueBankCodes(*BankMasterDb);
    requireReadableRows(*BankMasterRecordset);
    requireReadableRows(*BranchMasterRecordset);
    SetFormCaption(*SettingsRecordset, "金融機関台帳");
    FillBankList();
    FillBranchList();
}

void Form11::buildControls()
{
    m_label3 = NewLabel("全銀協　金融機関台帳", "Label3_0", 15.75);
    QFont headingFont = m_label3->font();
    headingFont.setBold(true);
    m_label3->setFont(headingFont);

    auto newButton = [this](std::map<int, QPushButton*>& buttons, const char* name, int index, const char* caption) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString("%1_%2").arg(name).arg(index));
        buttons[index] = button;
        return button;
    };
    for (const auto& [index, caption] :
         {std::pair{BankUpdate, "更新"}, {BankAdd, "銀行追加"}, {BankDelete, "削除"}, {Quit, "終了"}})
        connect(newButton(m_command1, "Command1", index, caption), &QPushButton::clicked, this,
                [this, i = index] { Command1_Click(i); });
    for (const auto& [index, caption] :
         {std::pair{BranchUpdate, "更新"}, {BranchAdd, "支店追加"}, {BranchDelete, "削除"}})
        connect(newButton(m_command2, "Command2", index, caption), &QPushButton::clicked, this,
                [this, i = index] { Command2_Click(i); });

    static const char* const kLabelTexts[] = {
        "銀行番号",           "銀行名",   "支店番号", "支店名", "振込銀行名（カナ）",
        "振込支店名（カナ）", "使用有無", "使用有無", "銀行名"};
    for (int i = 0; i < 9; ++i)
        m_label2[i] = NewLabel(kLabelTexts[i], QString("Label2_%1").arg(i), 9);

    const double cell = CellWidth();
    auto newField = [&](std::map<int, QLineEdit*>& fields, const char* name, int index, int byteWidth) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString("%1_%2").arg(name).arg(index));
        field->setFixedWidth(static_cast<int>(std::lround(byteWidth * cell)));
        fields[index] = field;
        return field;
    };
    for (int index : {0, 1}) {
        m_check1[index] = new QCheckBox(this);
        m_check1[index]->setObjectName(QString("Check1_%1").arg(index));
    }
    QWidget* const bankFields[] = {newField(m_text1, "Text1", 0, kBankColumns[0].byteWidth),
                                   newField(m_text1, "Text1", 1, kBankColumns[1].byteWidth),
                                   newField(m_text1, "Text1", 2, kBankColumns[2].byteWidth), m_check1[0]};
    QWidget* const branchFields[] = {newField(m_text2, "Text2", 3, kBranchColumns[0].byteWidth),
                                     newField(m_text2, "Text2", 0, kBranchColumns[1].byteWidth),
                                     newField(m_text2, "Text2", 1, kBranchColumns[2].byteWidth),
                                     newField(m_text2, "Text2", 2, kBranchColumns[3].byteWidth), m_check1[1]};

    m_list1 = frame::newRecordList(this, "List1");
    m_list2 = frame::newRecordList(this, "List2");
    m_list1->setMinimumWidth(static_cast<int>((kBankLineBytes + 2) * cell) + 2 * kListInset + 20);
    m_list2->setMinimumWidth(static_cast<int>((kBranchLineBytes + 2) * cell) + 2 * kListInset + 20);
    frame::onListClick(m_list1, this, [this](int row) { List1_Click(row); });
    frame::onListClick(m_list2, this, [this](int row) { List2_Click(row); });

    // Each side: its buttons, their help, the headings, the fields, the list.
    auto side = [&](std::map<int, QPushButton*>& buttons, const std::vector<const char*>& help, int helpFirst,
                    QWidget* headings, QWidget* fields, QListWidget* list) {
        auto* column = new QVBoxLayout;
        auto* row = new QHBoxLayout;
        for (int index : {BankUpdate, BankAdd, BankDelete})  // the branch side's buttons sit at the same indices
            row->addWidget(buttons[index]);
        row->addStretch();
        column->addLayout(row);
        for (std::size_t i = 0; i < help.size(); ++i)
            column->addWidget(NewLabel(help[i], QString("Label1_%1").arg(helpFirst + static_cast<int>(i)), 9.75));
        column->addSpacing(6);
        column->addWidget(headings);
        column->addWidget(fields);
        column->addWidget(list, 1);
        return column;
    };
    QWidget* bankHeadings = ColumnStrip({m_label2[0], m_label2[1], m_label2[4], m_label2[6]}, kBankColumns, false);
    QWidget* bankFieldStrip = ColumnStrip({std::begin(bankFields), std::end(bankFields)}, kBankColumns, false);
    QWidget* branchHeadings =
        ColumnStrip({m_label2[8], m_label2[2], m_label2[3], m_label2[5], m_label2[7]}, kBranchColumns, false);
    QWidget* branchFieldStrip = ColumnStrip({std::begin(branchFields), std::end(branchFields)}, kBranchColumns, false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_label3);
    top->addStretch();
    top->addWidget(m_command1[Quit]);
    auto* sides = new QHBoxLayout;
    sides->addLayout(
        side(m_command1,
             {"［更新］テキストボックスの内容で更新します",
              "［銀行追加］銀行の追加仮登録します　修正後、｛更新｝してください", "［削除］選択した銀行を削除します"},
             0, bankHeadings, bankFieldStrip, m_list1));
    sides->addSpacing(12);
    sides->addLayout(side(m_command2,
                          {"［更新］テキストボックスの内容で更新します",
                           "［支店追加］選択した銀行の最後に支店が仮登録されます　修正後、｛更新｝してください",
                           "［削除］選択した支店を削除します"},
                          3, branchHeadings, branchFieldStrip, m_list2));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(sides, 1);

    // Tab order: the bank fields, the branch fields, then the buttons and lists.
    setTabOrder(m_text1[0], m_text1[1]);
    setTabOrder(m_text1[1], m_text1[2]);
    setTabOrder(m_text1[2], m_check1[0]);
    setTabOrder(m_check1[0], m_text2[3]);
    setTabOrder(m_text2[3], m_text2[0]);
    setTabOrder(m_text2[0], m_text2[1]);
    setTabOrder(m_text2[1], m_text2[2]);
    setTabOrder(m_text2[2], m_check1[1]);

    // Enter anywhere in the window moves on as Tab does.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    resize(sizeHint().expandedTo(QSize(1180, 640)));
}

bool Form11::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui::dialogs().sendKeys("{TAB}");
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            field->selectAll();
            // A mouse click places the cursor after the focus arrives: select again then.
            QTimer::singleShot(0, field, [field] {
                if (field->hasFocus())
                    field->selectAll();
            });
        }
    }
    return frame::WorkWindow::eventFilter(watched, event);
}

void Form11::reopenBanks()
{
    BankMasterRecordset->Close();
    BankMasterRecordset = BankMasterDb->OpenRecordset(schema::query::BankMaster, dao::RecordsetType::Dynaset);
    FillBankList();
}

void Form11::reopenBranches()
{
    BranchMasterRecordset->Close();
    BranchMasterRecordset = BankMasterDb->OpenRecordset(schema::query::BranchMaster, dao::RecordsetType::Dynaset);
    FillBranchList();
}

void Form11::FillBankList()
{
    for (int i : {0, 1, 2})
        m_text1[i]->clear();
    m_list1->clear();
    m_bankLines.clear();
    if (BankMasterRecordset->isEmpty())
        return;
    for (BankMasterRecordset->MoveFirst(); !BankMasterRecordset->EOF_(); BankMasterRecordset->MoveNext()) {
        m_bankLines.push_back(ReadBankRow(*BankMasterRecordset));
        m_list1->addItem(toQ(BankListLine(m_bankLines.back())));
    }
}

void Form11::FillBranchList()
{
    for (int i : {0, 1, 2, 3})
        m_text2[i]->clear();
    m_list2->clear();
    m_branchLines.clear();
    if (BranchMasterRecordset->isEmpty())
        return;
    for (BranchMasterRecordset->MoveFirst(); !BranchMasterRecordset->EOF_(); BranchMasterRecordset->MoveNext()) {
        m_branchLines.push_back(ReadBranchRow(*BranchMasterRecordset));
        m_list2->addItem(
            toQ(BranchListLine(m_branchLines.back(), BranchMasterRecordset->get(schema::column::BankName).toText())));
    }
}

const BankRow* Form11::shownBank() const
{
    const int row = m_list1->currentRow();
    if (row < 0 || row >= static_cast<int>(m_bankLines.size()))
        return nullptr;
    return &m_bankLines[static_cast<std::size_t>(row)];
}

const BranchRow* Form11::shownBranch() const
{
    const int row = m_list2->currentRow();
    if (row < 0 || row >= static_cast<int>(m_branchLines.size()))
        return nullptr;
    return &m_branchLines[static_cast<std::size_t>(row)];
}

bool Form11::bankStillAsShown(const BankRow& shown)
{
    BankMasterRecordset->FindFirst(schema::column::BankCode, dao::Value(shown.code));
    return !BankMasterRecordset->NoMatch() && ReadBankRow(*BankMasterRecordset) == shown;
}

bool Form11::branchStillAsShown(const BranchRow& shown)
{
    BranchMasterRecordset->FindFirst(schema::column::BranchCode, dao::Value(shown.code));
    return !BranchMasterRecordset->NoMatch() && ReadBranchRow(*BranchMasterRecordset) == shown;
}

void Form11::refuseChangedBank()
{
    ui::dialogs().messageBox(kBankChangedElsewhere, ui::Buttons::Ok);
    reopenBanks();
}

void Form11::refuseChangedBranch()
{
    ui::dialogs().messageBox(kBranchChangedElsewhere, ui::Buttons::Ok);
    reopenBranches();
}

bool Form11::locateChosenBank(BankRow& bank)
{
    const BankRow* shown = shownBank();
    if (!shown)
        return false;
    if (!bankStillAsShown(*shown)) {
        refuseChangedBank();
        return false;
    }
    bank = *shown;
    return true;
}

bool Form11::locateChosenBranch(BranchRow& branch)
{
    const BranchRow* shown = shownBranch();
    if (!shown)
        return false;
    if (!branchStillAsShown(*shown)) {
        refuseChangedBranch();
        return false;
    }
    branch = *shown;
    return true;
}

bool Form11::finishWrite(const WriteOutcome& outcome, bool bankSide)
{
    if (outcome.lineChanged) {
        bankSide ? refuseChangedBank() : refuseChangedBranch();
        return false;
    }
    if (outcome.refusal) {
        Refuse(*outcome.refusal);
        if (outcome.focus)
            outcome.focus->setFocus();
        return false;
    }
    bankSide ? reopenBanks() : reopenBranches();
    return true;
}

void Form11::List1_Click(int row)
{
    if (row < 0)
        return;
    try {
        BankRow bank;
        if (!locateChosenBank(bank))
            return;
        m_text1[0]->setText(toQ(bank.code));
        m_text1[1]->setText(toQ(bank.name));
        m_text1[2]->setText(toQ(bank.transferName));
        m_check1[0]->setChecked(bank.inUse);
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
    }
}

void Form11::List2_Click(int row)
{
    if (row < 0)
        return;
    try {
        BranchRow branch;
        if (!locateChosenBranch(branch))
            return;
        m_text2[3]->setText(toQ(BranchMasterRecordset->get(schema::column::BankName).toText()));
        m_text2[0]->setText(toQ(BranchNumberOf(branch.code)));
        m_text2[1]->setText(toQ(branch.name));
        m_text2[2]->setText(toQ(branch.transferName));
        m_check1[1]->setChecked(branch.inUse);
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
    }
}

void Form11::Command1_Click(int index)
{
    if (index == Quit) {
        close();
        return;
    }
    const dao::Operation operation;  // its waits for the file share one budget
    try {
        switch (index) {
        case BankUpdate: UpdateBank(); break;
        case BankAdd: AddBank(); break;
        case BankDelete: DeleteBank(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
    }
}

void Form11::Command2_Click(int index)
{
    const dao::Operation operation;  // its waits for the file share one budget
    try {
        switch (index) {
        case BranchUpdate: UpdateBranch(); break;
        case BranchAdd: AddBranch(); break;
        case BranchDelete: DeleteBranch(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
    }
}

// Each write finds the chosen line's row again and makes its checks inside its
// transaction, once it holds the file: what another window or program
// committed while this one waited for the lock is seen, and refused, instead
// of being overwritten. Messages wait until the lock is let go.

void Form11::UpdateBank()
{
    const BankRow* chosen = shownBank();
    if (!chosen)
        return;
    const BankRow shown = *chosen;
    std::string code;
    const std::string typedCode = fromQ(m_text1[0]->text());
    if (!typedCode.empty()) {  // checked before anything is looked up: a wrong code only beeps
        const auto padded = TypedBankCode(typedCode);
        if (!padded) {
            Beep();
            m_text1[0]->setFocus();
            return;
        }
        code = *padded;
    }
    if (code.empty() || typedCode == shown.code)
        code = shown.code;  // left as shown: an older code keeps its form
    const BankRow edit{code, fromQ(m_text1[1]->text()), fromQ(m_text1[2]->text()), m_check1[0]->isChecked()};
    // The bank is found again, as shown, inside the write's transaction.
    if (const auto refusal = UpdateBankRow(*BankMasterWorkspace, *BankMasterDb, shown, edit)) {
        refuseBankWrite(*refusal);
        return;
    }
    reopenBanks();
    if (code != shown.code)
        reopenBranches();  // the bank's branches moved to its new code
}

// A refused bank write: a bank changed elsewhere reads the list again, a code
// already taken goes back to the code box.
void Form11::refuseBankWrite(const BankWriteRefusal& refusal)
{
    if (refusal.kind == BankWriteRefusal::Kind::ChangedElsewhere) {
        ui::dialogs().messageBox(kBankChangedElsewhere, ui::Buttons::Ok);
        reopenBanks();
        return;
    }
    Refuse(refusal.message);
    if (refusal.kind == BankWriteRefusal::Kind::CodeTaken)
        m_text1[0]->setFocus();
}

void Form11::AddBank()
{
    WriteOutcome outcome;
    dao::RunInTransaction(*BankMasterWorkspace,
                          [&] {
                              auto current =
                                  BankMasterDb->OpenRecordset(schema::query::BankMaster, dao::RecordsetType::Snapshot);
                              const auto code = NextBankCode(*current);
                              if (!code) {
                                  outcome.refusal = "銀行番号が9999を超えるため、銀行を追加できません";
                                  return;
                              }
                              BankMasterRecordset->AddNew();
                              BankMasterRecordset->set(schema::column::BankCode, dao::Value(*code));
                              BankMasterRecordset->set(schema::column::BankName, dao::Value(kNewBankName));
                              BankMasterRecordset->Update();
                          },
                          {BankMasterRecordset.get()});
    finishWrite(outcome, true);
}

void Form11::DeleteBank()
{
    const BankRow* chosen = shownBank();
    if (!chosen)
        return;
    const BankRow shown = *chosen;
    if (const auto refusal = DeleteBankRow(*BankMasterWorkspace, *BankMasterDb, shown)) {
        refuseBankWrite(*refusal);
        return;
    }
    reopenBanks();
}

void Form11::UpdateBranch()
{
    const BranchRow* chosen = shownBranch();
    if (!chosen)
        return;
    const BranchRow shown = *chosen;
    const std::string number = HalfWidthDigits(fromQ(m_text2[0]->text()));
    if (!number.empty() && !IsBranchNumber(number)) {
        Beep();
        m_text2[0]->setFocus();
        return;
    }
    const std::string code =
        number.empty() || number == BranchNumberOf(shown.code) ? shown.code : shown.bankCode + number;
    const std::string newName = fromQ(m_text2[1]->text());
    const std::string newTransferName = fromQ(m_text2[2]->text());
    const bool inUse = m_check1[1]->isChecked();
    WriteOutcome outcome;
    dao::RunInTransaction(
        *BankMasterWorkspace,
        [&] {
            if (!branchStillAsShown(shown)) {
                outcome.lineChanged = true;
                return;
            }
            if (code != shown.code) {
                if (const auto holder = FindBranchByCode(*BankMasterDb, code)) {
                    outcome.refusal =
                        "支店番号「" + number + "」は既に「" + NameOrCode(holder->name, code) + "」に使われています";
                    outcome.focus = m_text2[0];
                    return;
                }
                if (const auto users = BranchCodeUsers(*BankMasterDb, shown.code); !users.empty()) {
                    outcome.refusal = InUseMessage(NameOrCode(shown.name, shown.code), users, "支店番号を変更");
                    return;
                }
            }
            BranchMasterRecordset->Edit();
            BranchMasterRecordset->set(schema::column::BranchCode, dao::Value(code));
            if (!newName.empty())
                BranchMasterRecordset->set(schema::column::BranchName, dao::Value(newName));
            if (!newTransferName.empty())
                BranchMasterRecordset->set(schema::column::BranchNameKana, dao::Value(newTransferName));
            BranchMasterRecordset->set(schema::column::BranchInUse, dao::Value(inUse));
            BranchMasterRecordset->Update();
        },
        {BranchMasterRecordset.get()});
    finishWrite(outcome, false);
}

void Form11::AddBranch()
{
    // The bank of the chosen branch line, else of the chosen bank line.
    const BranchRow* chosenBranch = shownBranch();
    const BankRow* chosenBank = chosenBranch ? nullptr : shownBank();
    if (!chosenBranch && !chosenBank) {
        Beep();
        ui::dialogs().messageBox("銀行リストまたは支店リストを選択してください", ui::Buttons::Ok, "経理台帳");
        return;
    }
    const std::optional<BranchRow> branchLine = chosenBranch ? std::optional<BranchRow>(*chosenBranch) : std::nullopt;
    const std::optional<BankRow> bankLine = chosenBank ? std::optional<BankRow>(*chosenBank) : std::nullopt;
    const std::string bankCode = branchLine ? branchLine->bankCode : bankLine->code;
    WriteOutcome outcome;
    dao::RunInTransaction(*BankMasterWorkspace,
                          [&] {
                              if (branchLine ? !branchStillAsShown(*branchLine) : !bankStillAsShown(*bankLine)) {
                                  outcome.lineChanged = true;
                                  return;
                              }
                              auto current = BankMasterDb->OpenRecordset(schema::query::BranchMaster,
                                                                         dao::RecordsetType::Snapshot);
                              const auto code = NextBranchCode(*current, bankCode);
                              if (!code) {
                                  outcome.refusal = "支店番号が999を超えるため、支店を追加できません";
                                  return;
                              }
                              if (const auto holder = FindBranchByCode(*BankMasterDb, *code)) {
                                  outcome.refusal = "支店番号「" + BranchNumberOf(*code) + "」は既に「"
                                      + NameOrCode(holder->name, *code) + "」に使われています";
                                  return;
                              }
                              BranchMasterRecordset->AddNew();
                              BranchMasterRecordset->set(schema::column::BankCode, dao::Value(bankCode));
                              BranchMasterRecordset->set(schema::column::BranchCode, dao::Value(*code));
                              BranchMasterRecordset->set(schema::column::BranchName, dao::Value(kNewBranchName));
                              BranchMasterRecordset->Update();
                          },
                          {BranchMasterRecordset.get()});
    if (outcome.lineChanged && bankLine) {
        refuseChangedBank();
        return;
    }
    finishWrite(outcome, false);
}

void Form11::DeleteBranch()
{
    const BranchRow* chosen = shownBranch();
    if (!chosen)
        return;
    const BranchRow shown = *chosen;
    WriteOutcome outcome;
    dao::RunInTransaction(*BankMasterWorkspace, [&] {
        if (!branchStillAsShown(shown)) {
            outcome.lineChanged = true;
            return;
        }
        if (const auto users = BranchCodeUsers(*BankMasterDb, shown.code); !users.empty()) {
            outcome.refusal = InUseMessage(NameOrCode(shown.name, shown.code), users, "削除");
            return;
        }
        BranchMasterRecordset->Delete();
    });
    finishWrite(outcome, false);
}

}  // namespace registers
