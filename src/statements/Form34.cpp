// The load of the closing window: its recordsets, its controls and tabs.
#include "statements/Form34.h"

#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/NamedLabel.h"
#include "frame/RecordList.h"
#include "frame/WindowRegistry.h"
#include "periodfile/SchemaNames.h"
#include "statements/ClosingFileChecks.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>
#include <cmath>

namespace statements {

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// A list whose lines of `characters` half-width cells show whole.
QListWidget* recordList(QWidget* parent, const QString& name, int characters)
{
    QListWidget* list = frame::newRecordList(parent, name);
    const int width = QFontMetrics(list->font()).horizontalAdvance(QString(characters, QChar('0')));
    list->setMinimumWidth(width + 2 * list->frameWidth() + 24);
    return list;
}

QLineEdit* totalBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(QFontMetrics(box->font()).horizontalAdvance(QString(16, QChar('0'))));
    return box;
}

// An option pair in its own group, element `selected` chosen.
std::array<QRadioButton*, 2> optionPair(QWidget* parent, const char* name, const char* first, const char* second,
                                        int selected, QLayout* layout)
{
    auto* group = new QButtonGroup(parent);
    std::array<QRadioButton*, 2> pair{};
    const char* captions[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        pair[static_cast<std::size_t>(i)] = new QRadioButton(q(captions[i]), parent);
        pair[static_cast<std::size_t>(i)]->setObjectName(QString("%1_%2").arg(name).arg(i));
        group->addButton(pair[static_cast<std::size_t>(i)], i);
        if (layout)
            layout->addWidget(pair[static_cast<std::size_t>(i)]);
    }
    pair[static_cast<std::size_t>(selected)]->setChecked(true);
    return pair;
}

QGroupBox* frameBox(QWidget* parent, const char* title)
{
    auto* box = new QGroupBox(q(title), parent);
    box->setFont(frame::proportionalFont(9));
    return box;
}

// A notice in dark red, empty until there is something to say.
QLabel* noticeLabel(QWidget* parent, const QString& name)
{
    QLabel* notice = frame::NamedLabel(parent, name, "");
    QPalette warning = notice->palette();
    warning.setColor(QPalette::WindowText, Qt::darkRed);
    notice->setPalette(warning);
    return notice;
}

// The row over a statement: its title at 12 pt, the period label Label4(periodIndex)
// and, at the right, the unit label Label9(unitIndex) "（単位：円）" when `unit` is given.
QHBoxLayout* titleRow(QWidget* tab, const QString& titleName, const char* title, QLabel*& period, int periodIndex,
                      QLabel** unit = nullptr, int unitIndex = 0)
{
    auto* top = new QHBoxLayout;
    top->addWidget(frame::NamedLabel(tab, titleName, title, 12));
    period = frame::NamedLabel(tab, QString("Label4_%1").arg(periodIndex), "", 9.75);
    top->addWidget(period);
    top->addStretch();
    if (unit) {
        *unit = frame::NamedLabel(tab, QString("Label9_%1").arg(unitIndex), "（単位：円）");
        top->addWidget(*unit);
    }
    return top;
}

// A list at the left of its row, at its own width.
QHBoxLayout* leftAligned(QListWidget* list)
{
    auto* row = new QHBoxLayout;
    row->addWidget(list);
    row->addStretch();
    return row;
}

// Check boxes of the captions, one under the other, named <name>_<index>.
template <std::size_t N>
void checkColumn(QWidget* parent, const char* name, const char* const (&captions)[N], std::array<QCheckBox*, N>& boxes,
                 QVBoxLayout* layout)
{
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i] = new QCheckBox(q(captions[i]), parent);
        boxes[i]->setObjectName(QString("%1_%2").arg(name).arg(i));
        layout->addWidget(boxes[i]);
    }
}

}  // namespace

Form34::Form34()
{
    openPeriodFile();
    m_workspace = o::DbWorkspace;
    m_database = o::CompanyDb;
    using dao::RecordsetType;
    SettingsRecordset = openRecordset(schema::table::Settings);
    TaxRateRecordset = openRecordset(schema::query::TaxRates, RecordsetType::Snapshot);
    AccountMasterRecordset = openRecordset(schema::query::Chart);
    UsedAccountsRecordset = openRecordset(schema::query::UsedAccounts);
    EraCodeRecordset = openRecordset(schema::query::Eras);
    BankAccountRecordset = openRecordset(schema::query::BankAccounts);
    openEraRecordset();
    // Nothing is shown or written from a damaged file: its period, chart or
    // rates are refused here, before the refresh stores any figure (the
    // rollover refuses the closed period's file by the same checks).
    RequireClosingFile(
        {*SettingsRecordset, *AccountMasterRecordset, *UsedAccountsRecordset, *TaxRateRecordset, *BankAccountRecordset},
        m_database->path());

    buildControls();
    connectHandlers();
    ShowClosingTitle("決算処理");
    RefreshClosingForm();
}

Form34::~Form34() = default;

void Form34::buildControls()
{
    resize(1120, 820);
    Label11 = frame::NamedLabel(this, "Label11", "", 12);
    TallyNotice = noticeLabel(this, "TallyNotice");
    TallyNotice->setWordWrap(true);

    const auto button = [this](int index, const char* caption, QWidget* parent) {
        auto* b = new QPushButton(q(caption), parent);
        b->setObjectName(QString("Command1_%1").arg(index));
        b->setMinimumWidth(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 24);
        Command1[index] = b;
        return b;
    };
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    // The buttons of the tabs exist before the tabs are laid out.
    for (const auto& [index, caption] : std::initializer_list<std::pair<Button, const char*>>{
             {PrintButton, "印刷"}, {CsvButton, "CSVファイル作成"}, {ClosingReportButton, "印刷"}})
        button(index, caption, this);
    // The closing-entry page, made by the closing window library, brings its own buttons.
    const ClosingEntryPageMaker& makeEntryPage = ClosingEntryPageMakerInUse();
    if (!makeEntryPage)
        throw std::logic_error("決算仕訳入力のページが登録されていません");
    std::unique_ptr<ClosingEntryPage> entryPage = makeEntryPage(m_workspace, m_database);
    m_entryPage = entryPage.get();
    for (const auto& [index, b] : m_entryPage->buttons())
        Command1[index] = b;
    SSTab1->addTab(entryPage.release(), q("決算仕訳入力"));
    SSTab1->addTab(buildTrialBalanceTab(), q("合計残高試算表"));
    SSTab1->addTab(buildReportTab(), q("決算報告書"));
    SSTab1->addTab(buildProfitLossTab(), q("損益計算書"));
    SSTab1->addTab(buildBalanceSheetTab(), q("貸借対照表"));
    SSTab1->addTab(buildListTab(3, "販売費及び一般管理費内訳書", 3, List7, "List7", 3),
                   q("販売費及び一般管理費内訳書"));
    SSTab1->addTab(buildManufacturingTab(), q("製造原価報告書（製造業）"));
    SSTab1->addTab(new QWidget, q("予備"));
    SSTab1->addTab(buildPrintTab(), q("各種帳票印刷、ＣＳＶファイル作成"));

    auto* top = new QHBoxLayout;
    top->addWidget(Label11);
    top->addStretch();
    top->addWidget(button(ClosingRunButton, "決算処理", this));
    top->addWidget(button(CloseButton, "終了", this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(TallyNotice);
    layout->addWidget(SSTab1, 1);
}

QWidget* Form34::buildTrialBalanceTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(titleRow(tab, "Label8_2", "合計残高試算表", Label4[0], 0, &Label9[0], 0));

    // Two rows of column headings over the list's fields (in half-width cells).
    auto* headings = new QWidget(tab);
    const double cell = QFontMetricsF(frame::fixedPitchFont(9)).horizontalAdvance(QLatin1Char('0'));
    struct Heading {
        int index;
        const char* text;
        int cellFrom;
        int cellTo;
        int row;
    };
    static const Heading all[] = {{0, "借方", 0, 33, 0}, {3, "勘定科目", 36, 55, 0}, {4, "貸方", 57, 89, 0},
                                  {1, "残高", 0, 16, 1}, {2, "合計", 17, 33, 1},     {5, "合計", 57, 72, 1},
                                  {6, "残高", 74, 89, 1}};
    int height = 0;
    for (const Heading& h : all) {
        auto* l = frame::NamedLabel(headings, QString("Label6_%1").arg(h.index), h.text);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        const int x = 4 + static_cast<int>(std::lround(h.cellFrom * cell));
        const int width = static_cast<int>(std::lround((h.cellTo - h.cellFrom + 1) * cell));
        l->setGeometry(x, h.row * 20, width, 20);
        height = 40;
    }
    headings->setMinimumSize(static_cast<int>(96 * cell), height);
    layout->addWidget(headings);
    List3 = recordList(tab, "List3", 89);
    layout->addWidget(List3, 1);
    return tab;
}

QWidget* Form34::buildReportTab()
{
    auto* tab = new QWidget;
    auto* layout = new QGridLayout(tab);
    const auto pairBox = [&](const char* title, const char* name, const char* first, const char* second,
                             std::array<QRadioButton*, 2>& pair, int selected, int row, int column) {
        QGroupBox* box = frameBox(tab, title);
        auto* boxLayout = new QVBoxLayout(box);
        pair = optionPair(box, name, first, second, selected, boxLayout);
        layout->addWidget(box, row, column);
        return box;
    };
    pairBox("金額単位", "Option4", "円", "百万円", Option4, 0, 0, 0);
    pairBox("金額マイナス表記", "Option10", "△", "-（マイナス）", Option10, 0, 0, 1);
    pairBox("年号表記", "Option9", "元号", "西暦", Option9, 0, 1, 0);
    QGroupBox* paper = pairBox("用紙サイズ", "Option3", "Ｂ５サイズ", "Ａ４サイズ", Option3, 1, 1, 1);
    Check4 = new QCheckBox(q("枠印刷"), paper);
    Check4->setObjectName("Check4");
    paper->layout()->addWidget(Check4);

    QGroupBox* statementsBox = frameBox(tab, "財務諸表");
    auto* statementsLayout = new QVBoxLayout(statementsBox);
    static const char* const captions[7] = {
        "全て選択",        "表紙", "貸借対照表", "損益計算書", "販売費及び一般管理費内訳書", "製造原価報告書（製造業）",
        "報告文、代表者名"};
    checkColumn(statementsBox, "Check2", captions, Check2, statementsLayout);
    auto* formLayout = new QHBoxLayout;
    Option2 = optionPair(statementsBox, "Option2", "表形式", "報告書形式", 0, formLayout);
    statementsLayout->addLayout(formLayout);
    layout->addWidget(statementsBox, 0, 2, 2, 1);
    Command1[ClosingReportButton]->setParent(tab);
    layout->addWidget(Command1[ClosingReportButton], 2, 2, Qt::AlignRight);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(3, 1);
    return tab;
}

QWidget* Form34::buildProfitLossTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(titleRow(tab, "Label8_1", "損益計算書", Label4[2], 2, &Label9[2], 2));

    auto* columns = new QHBoxLayout;
    const char* sides[2] = {"費　用", "収　益"};
    for (int i = 0; i < 2; ++i) {
        auto* column = new QVBoxLayout;
        column->addWidget(frame::NamedLabel(tab, QString("Label12_%1").arg(i), sides[i]));
        List5[static_cast<std::size_t>(i)] = recordList(tab, QString("List5_%1").arg(i), 39);
        column->addWidget(List5[static_cast<std::size_t>(i)], 1);
        auto* total = new QHBoxLayout;
        total->addWidget(frame::NamedLabel(tab, QString("Label12_%1").arg(i + 2), "合計"));
        Text3[static_cast<std::size_t>(i)] = totalBox(tab, QString("Text3_%1").arg(i));
        total->addWidget(Text3[static_cast<std::size_t>(i)]);
        column->addLayout(total);
        columns->addLayout(column);
    }
    auto* report = new QVBoxLayout;
    report->addWidget(frame::NamedLabel(tab, "Label8_4", "報告書様式"));
    List5[2] = recordList(tab, "List5_2", 62);
    report->addWidget(List5[2], 1);
    columns->addLayout(report);
    layout->addLayout(columns, 1);
    return tab;
}

QWidget* Form34::buildBalanceSheetTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(titleRow(tab, "Label8_0", "貸借対照表", Label4[1], 1, &Label9[1], 1));
    BalanceNotice = noticeLabel(tab, "BalanceNotice");
    layout->addWidget(BalanceNotice);

    const auto headingRow = [&](int nameIndex, const char* name, int amountIndex) {
        auto* row = new QHBoxLayout;
        row->addWidget(frame::NamedLabel(tab, QString("Label7_%1").arg(nameIndex), name));
        row->addStretch();
        row->addWidget(frame::NamedLabel(tab, QString("Label7_%1").arg(amountIndex), "金額"));
        return row;
    };
    const auto totalRow = [&](int labelIndex, const char* text, int box) {
        auto* row = new QHBoxLayout;
        row->addWidget(frame::NamedLabel(tab, QString("Label7_%1").arg(labelIndex), text));
        row->addStretch();
        Text2[static_cast<std::size_t>(box)] = totalBox(tab, QString("Text2_%1").arg(box));
        row->addWidget(Text2[static_cast<std::size_t>(box)]);
        return row;
    };
    for (int i = 0; i < 3; ++i)
        List4[static_cast<std::size_t>(i)] = recordList(tab, QString("List4_%1").arg(i), 46);
    List4[3] = recordList(tab, "List4_3", 50);

    auto* columns = new QHBoxLayout;
    auto* assets = new QVBoxLayout;
    assets->addLayout(headingRow(0, "資産の部", 2));
    assets->addWidget(List4[0], 1);
    assets->addLayout(totalRow(4, "資産合計", 0));
    columns->addLayout(assets);
    auto* right = new QVBoxLayout;
    right->addLayout(headingRow(1, "負債の部", 3));
    right->addWidget(List4[1], 1);
    right->addLayout(totalRow(6, "負債合計", 1));
    right->addLayout(headingRow(8, "資本の部", 9));
    right->addWidget(List4[2], 1);
    right->addLayout(totalRow(7, "資本合計", 2));
    right->addLayout(totalRow(5, "負債、資本合計", 3));
    columns->addLayout(right);
    auto* report = new QVBoxLayout;
    report->addWidget(frame::NamedLabel(tab, "Label8_5", "報告書様式"));
    report->addWidget(List4[3], 1);
    columns->addLayout(report);
    layout->addLayout(columns, 1);
    return tab;
}

QWidget* Form34::buildListTab(int label8, const char* title, int unitLabel, QListWidget*& list, const char* listName,
                              int periodLabel)
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(titleRow(tab, QString("Label8_%1").arg(label8), title,
                               Label4[static_cast<std::size_t>(periodLabel)], periodLabel,
                               &Label9[static_cast<std::size_t>(unitLabel)], unitLabel));
    list = recordList(tab, listName, 36);
    layout->addLayout(leftAligned(list), 1);
    return tab;
}

QWidget* Form34::buildManufacturingTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(titleRow(tab, "Label13_0", "製造原価報告書", Label4[4], 4));
    List6 = recordList(tab, "List6", 52);
    layout->addLayout(leftAligned(List6), 1);
    return tab;
}

QWidget* Form34::buildPrintTab()
{
    auto* tab = new QWidget;
    auto* layout = new QGridLayout(tab);
    QGroupBox* paper = frameBox(tab, "用紙サイズ");
    auto* paperLayout = new QVBoxLayout(paper);
    Option6 = optionPair(paper, "Option6", "B５サイズ", "A４サイズ", 1, paperLayout);
    layout->addWidget(paper, 0, 0, Qt::AlignTop);

    QGroupBox* reports = frameBox(tab, "各種帳票印刷");
    auto* reportsLayout = new QVBoxLayout(reports);
    static const char* const captions[7] = {"全て選択",
                                            "決算仕訳",
                                            "合計残高試算表",
                                            "貸借対照表",
                                            "損益計算書",
                                            "製造原価報告書",
                                            "販売費及び一般管理費内訳書"};
    checkColumn(reports, "Check1", captions, Check1, reportsLayout);
    auto* formLayout = new QHBoxLayout;
    Option5 = optionPair(reports, "Option5", "表形式", "報告書形式", 0, formLayout);
    reportsLayout->addLayout(formLayout);
    Command1[PrintButton]->setParent(reports);
    reportsLayout->addWidget(Command1[PrintButton], 0, Qt::AlignRight);
    layout->addWidget(reports, 0, 1, Qt::AlignTop);

    QGroupBox* csv = frameBox(tab, "CSVファイル作成");
    auto* csvLayout = new QVBoxLayout(csv);
    Check3 = new QCheckBox(q("貸借対照表、損益計算書（実績、予算、過去5年）"), csv);
    Check3->setObjectName("Check3_0");
    csvLayout->addWidget(Check3);
    Command1[CsvButton]->setParent(csv);
    csvLayout->addWidget(Command1[CsvButton], 0, Qt::AlignRight);
    layout->addWidget(csv, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(1, 1);
    return tab;
}

void Form34::connectHandlers()
{
    for (const auto& [index, b] : Command1)
        connect(b, &QPushButton::clicked, this, [this, i = index] { Command1_Click(i); });
    const auto onSelect = [this](std::array<QRadioButton*, 2>& pair, void (Form34::*handler)(int)) {
        for (int i = 0; i < 2; ++i)
            connect(pair[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, handler, i](bool on) {
                if (on)
                    (this->*handler)(i);
            });
    };
    onSelect(Option9, &Form34::Option9_Click);
    onSelect(Option10, &Form34::Option10_Click);
    onSelect(Option3, &Form34::Option3_Click);
    onSelect(Option6, &Form34::Option6_Click);
    onSelect(Option4, &Form34::Option4_Click);
    for (int i = 0; i < 7; ++i) {
        connect(Check1[static_cast<std::size_t>(i)], &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
        connect(Check2[static_cast<std::size_t>(i)], &QCheckBox::toggled, this, [this, i] { Check2_Click(i); });
    }
}

}  // namespace statements

void registerStatementsWindows()
{
    frame::WindowRegistry::instance().add("Form34", [] { return static_cast<QWidget*>(new statements::Form34()); });
}
