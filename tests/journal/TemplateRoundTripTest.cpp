// Saving the entry grid as a template, listing it, and loading it back into the
// grid's cells and amount arrays, on the sample company.

#include "journal/AmountRange.h"
#include "journal/EntryChecks.h"
#include "journal/GridRecall.h"
#include "journal/ListedRows.h"
#include "journal/TemplateRows.h"
#include "journal/TemplateSave.h"

#include "support/TempPeriodFile.h"
#include "common/FindCode.h"
#include "common/FitByteWidth.h"
#include "periodfile/SampleCompany.h"
#include "periodfile/TempDir.h"

#include <gtest/gtest.h>

using namespace journal;
using testsupport::DumpRows;

namespace {

EntryRow cells(std::string description, std::string partner, std::string debit, std::string debitAmount,
               std::string credit, std::string creditAmount, std::string bank = "", std::string branch = "")
{
    return {description, partner, debit, debitAmount, credit, creditAmount, bank, branch};
}

class TemplateRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string path = periodfile::createSampleCompany(dir.path().string());
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(path);
        accounts = db->OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Snapshot);
        banks = db->OpenRecordset("Q_取引銀行", dao::RecordsetType::Snapshot);
        branches = db->OpenRecordset("Q_使用銀行支店", dao::RecordsetType::Snapshot);
        reopen();

        grid[0] = cells("事務用品購入", "株式会社あおば商店", "消耗品費", "12,000", "普通預金", "12,000", "みずほ銀行",
                        "新宿支店");
        grid[1] = cells("消費税", "", "仮払消費税", "1,200", "普通預金", "1,200", "みずほ銀行", "新宿支店");
        grid[2] = cells("調整", "", "雑費", "0", "普通預金", "0");
        grid[3] = cells("送料", "", "荷造運賃", "800", "普通預金", "800");
    }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }

    void reopen() { templates = db->OpenRecordset("Q_仕訳定型台帳", dao::RecordsetType::Dynaset); }

    CodeLookup findCode()
    {
        return [this](int kind, const std::string& name) {
            return o::FindCode({accounts.get(), banks.get(), branches.get()}, kind, name);
        };
    }

    std::string save(bool zeroAmounts)
    {
        AmountArray debit{}, credit{};
        EXPECT_FALSE(DataCheck(grid, debit, credit));
        const auto rows = BuildTemplateRows(grid, debit, credit, zeroAmounts, findCode(),
                                            [this](const std::string& bank, const std::string& branch) {
                                                return o::FindBranchCode(*branches, bank, branch);
                                            });
        const std::string id = SaveTemplate(*workspace, *db, *templates, rows, dao::Date{2025, 6, 1, 10, 0, 0});
        reopen();
        return id;
    }

    // The list line of each row of the template `id`.
    std::vector<int> linesOf(const std::string& id)
    {
        std::vector<int> lines;
        int line = 0;
        for (templates->MoveFirst(); !templates->EOF_(); templates->MoveNext(), ++line)
            if (templates->get("仕訳ID").toText() == id)
                lines.push_back(line);
        return lines;
    }

    void addTemplateRow(const std::string& id, int rowNumber, int amount)
    {
        db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 表示順位)"
                    " VALUES (?, ?, '行', '517', ?, '103', ?, '9')",
                    {id, rowNumber, amount, amount});
    }

    periodfile::testing::TempDir dir;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> accounts, banks, branches, templates;
    EntryRows grid;
};

TEST_F(TemplateRoundTripTest, ASavedGridLoadsBackWithTheSameCellsAndAmounts)
{
    const std::string id = save(false);
    EXPECT_EQ(id, "250601100000");
    const std::vector<int> lines = linesOf(id);
    ASSERT_EQ(lines.size(), 3u);  // the row with both amounts 0 is not saved

    // Any line of the template names it by its id and the rows the list showed.
    const std::vector<JournalRecord> listed = ReadJournalRecords(*templates, RecordKind::Template);
    ListedRows lineKeys;
    for (const JournalRecord& row : listed)
        lineKeys.add(row);
    const std::vector<JournalRecord> stored = ReadStoredRows(*db, RecordKind::Template, lineKeys.numberAt(lines[2]));
    EXPECT_EQ(lineKeys.voucherAt(lines[2]), VoucherFingerprints(stored));
    EXPECT_EQ(lineKeys.voucherAt(lines[0]), VoucherFingerprints(stored));
    const RecalledRows loaded = GridRowsOf(stored);
    EXPECT_FALSE(loaded.tooLong);
    AmountArray debit{}, credit{};
    std::int64_t debitTotal = -1, creditTotal = -1;
    LoadRecalledAmounts(loaded, debit, credit, debitTotal, creditTotal);

    const EntryRow expected[] = {grid[0], grid[1], grid[3]};
    ASSERT_EQ(loaded.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const JournalRecord& row = loaded.rows[i];
        const EntryRow& cell = expected[i];
        SCOPED_TRACE(cell.description);
        EXPECT_EQ(row.description, cell.description);
        EXPECT_EQ(row.partner, cell.partner);
        EXPECT_EQ(row.debitName, cell.debitAccount);
        EXPECT_EQ(row.creditName, cell.creditAccount);
        EXPECT_EQ(row.bankName, cell.bank);
        EXPECT_EQ(row.branchName, cell.branch);
        EXPECT_EQ(ReadAmountText(cell.debitAmount).amount, row.debit.value_or(-1));
        EXPECT_EQ(debit[i], row.debit.value_or(-1));
        EXPECT_EQ(credit[i], row.credit.value_or(-1));
    }
    EXPECT_EQ(loaded.rows[2].rowNumber, 4);  // grid row 4 keeps its number
    EXPECT_EQ(debit[3], 0);
    EXPECT_EQ(debitTotal, 14'000);
    EXPECT_EQ(creditTotal, 14'000);
}

TEST_F(TemplateRoundTripTest, TheListShowsANameOnlyWhereItChanges)
{
    const std::string id = save(false);
    const std::vector<std::string> texts = TemplateListTexts(ReadJournalRecords(*templates, RecordKind::Template));
    const std::vector<int> lines = linesOf(id);
    const std::string amount12000 = "    12,000", amount1200 = "     1,200";
    EXPECT_EQ(texts[lines[0]],
              " 1 " + o::FitByteWidth("事務用品購入", 33) + " " + o::FitByteWidth("株式会社あおば商店", 16) + " "
                  + o::FitByteWidth("消耗品費", 20) + "   " + amount12000 + " " + o::FitByteWidth("普通預金", 20)
                  + "   " + amount12000 + "  " + o::FitByteWidth("みずほ銀行", 15) + " "
                  + o::FitByteWidth("新宿支店", 15));
    EXPECT_EQ(texts[lines[1]],
              " 2 " + o::FitByteWidth("消費税", 33) + " " + std::string(16, ' ') + " "
                  + o::FitByteWidth("仮払消費税", 20) + "   " + amount1200 + " " + std::string(20, ' ') + "   "
                  + amount1200 + "  " + std::string(31, ' '));
}

TEST_F(TemplateRoundTripTest, TickingZeroAmountsSavesTheSameRowsWithZero)
{
    const std::string id = save(true);
    auto rs = db->OpenRecordset("SELECT 追番, 入金, 出金 FROM 仕訳定型台帳 WHERE 仕訳ID = '" + id + "' ORDER BY 追番",
                                dao::RecordsetType::Snapshot);
    std::vector<std::string> rows;
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
        rows.push_back(rs->get("追番").toText() + ":" + rs->get("入金").toText() + ":" + rs->get("出金").toText());
    EXPECT_EQ(rows, (std::vector<std::string>{"1:0:0", "2:0:0", "4:0:0"}));
}

// A template whose first saved row is not row 1 (row 1 had no amounts) is
// followed by one that starts at row 1: its amounts must not be taken in too.
TEST_F(TemplateRoundTripTest, LoadingStopsWhereTheTemplateIdChanges)
{
    addTemplateRow("990101000000", 2, 100);
    addTemplateRow("990101000000", 3, 200);
    addTemplateRow("990101000001", 1, 5'000);
    reopen();
    const std::vector<int> lines = linesOf("990101000000");
    ASSERT_EQ(lines.size(), 2u);
    const RecalledRows loaded = GridRowsOf(ReadStoredRows(*db, RecordKind::Template, "990101000000"));
    AmountArray debit{}, credit{};
    std::int64_t debitTotal = 0, creditTotal = 0;
    LoadRecalledAmounts(loaded, debit, credit, debitTotal, creditTotal);
    EXPECT_EQ(debitTotal, 300);
    EXPECT_EQ(debit[2], 0);
    EXPECT_EQ(loaded.rows.size(), 2u);
}

TEST_F(TemplateRoundTripTest, ATemplateOfMoreThanTenRowsLoadsItsFirstTen)
{
    for (int row = 1; row <= 12; ++row)
        addTemplateRow("990101000000", row, row * 10);
    reopen();
    const RecalledRows loaded = GridRowsOf(ReadStoredRows(*db, RecordKind::Template, "990101000000"));
    AmountArray debit{}, credit{};
    std::int64_t debitTotal = 0, creditTotal = 0;
    LoadRecalledAmounts(loaded, debit, credit, debitTotal, creditTotal);
    EXPECT_EQ(debitTotal, 550);  // 10 + 20 + ... + 100
    EXPECT_EQ(debit[9], 100);
    EXPECT_TRUE(loaded.tooLong);
    EXPECT_EQ(loaded.rows.size(), 10u);
}

TEST_F(TemplateRoundTripTest, AFailedWriteSavesNoRowOfTheTemplate)
{
    const std::string before = DumpRows(*db, "Q_仕訳定型台帳");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, 2, false});
    EXPECT_THROW(save(false), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    reopen();
    EXPECT_EQ(DumpRows(*db, "Q_仕訳定型台帳"), before);
}

TEST_F(TemplateRoundTripTest, AFailedCommitSavesNothingAndLeavesNoTransactionOpen)
{
    const std::string before = DumpRows(*db, "Q_仕訳定型台帳");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::CommitFails, 1, false});
    EXPECT_THROW(save(false), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_FALSE(dao::DBEngine::instance().Workspaces(0)->inTransaction());
    reopen();
    EXPECT_EQ(DumpRows(*db, "Q_仕訳定型台帳"), before);
}

// The list shows a partner only where it changes over the whole list, an
// account name only where its code changes within a template (from the row
// numbered 1 on), and a bank and branch only where the branch changes.
TEST(TemplateListLinesTest, RepeatedValuesAreLeftBlank)
{
    struct Row {
        const char* id;
        int number;
        bool closing;
        const char* partner;
        const char* debitCode;
        const char* debitName;
        std::optional<std::int64_t> amount;
        const char* branchCode;
    };
    // Shown: the partner, the debit name, the debit amount field, the credit
    // name, and bank and branch ("" for blanks).
    struct Shown {
        const char* partner;
        const char* debitName;
        const char* amount;
        const char* creditName;
        const char* bank;
    };
    const std::pair<Row, Shown> cases[] = {
        {{"A", 1, false, "山田商店", "517", "消耗品費", 1'000, "0001203"},
         {"山田商店", "消耗品費", "     1,000", "普通預金", "みずほ銀行"}},
        {{"A", 2, false, "山田商店", "517", "消耗品費", 0, "0001203"}, {"", "", "         0", "", ""}},
        {{"A", 3, false, "", "136", "仮払消費税", std::nullopt, ""}, {"", "仮払消費税", "          ", "", ""}},
        // The next template shows its accounts and its branch again, but not the partner.
        {{"B", 1, true, "山田商店", "517", "消耗品費", 2'000, "0001203"},
         {"", "消耗品費", "     2,000", "普通預金", "みずほ銀行"}},
        // A template saved without its first grid row starts at row 2: the codes
        // shown last are not cleared.
        {{"C", 2, false, "田中商店", "517", "消耗品費", 300, ""}, {"田中商店", "", "       300", "", ""}},
        {{"C", 10, false, "田中商店", "136", "仮払消費税", 30, ""}, {"", "仮払消費税", "        30", "", ""}},
    };
    TemplateListLines builder;
    for (const auto& [row, shown] : cases) {
        SCOPED_TRACE(std::string(row.id) + std::to_string(row.number));
        JournalRecord record;
        record.number = row.id;
        record.rowNumber = row.number;
        record.closingEntry = row.closing;
        record.description = "摘要";
        record.partner = row.partner;
        record.debitCode = row.debitCode;
        record.debitName = row.debitName;
        record.debit = row.amount;
        record.creditCode = "103";
        record.creditName = "普通預金";
        record.credit = row.amount;
        record.branchCode = row.branchCode;
        if (!record.branchCode.empty()) {
            record.bankCode = "0001";
            record.bankName = "みずほ銀行";
            record.branchName = "新宿支店";
        }
        const std::string bankColumns = *shown.bank
            ? o::FitByteWidth(shown.bank, 15) + " " + o::FitByteWidth("新宿支店", 15)
            : std::string(31, ' ');
        EXPECT_EQ(builder.next(record),
                  std::string(row.closing ? "*" : " ") + std::to_string(row.number) + " " + o::FitByteWidth("摘要", 33)
                      + " " + o::FitByteWidth(shown.partner, 16) + " " + o::FitByteWidth(shown.debitName, 20) + "   "
                      + shown.amount + " " + o::FitByteWidth(shown.creditName, 20) + "   " + shown.amount + "  "
                      + bankColumns);
    }
}

TEST(TemplateVoucherKindTest, TheFirstRowsCashSideChoosesTheKind)
{
    struct Case {
        const char* debit;
        const char* credit;
        int kind;
    };
    for (const Case& c : {Case{"517", "103", 0}, Case{"100", "400", 1}, Case{"517", "100", 2}, Case{"100", "100", 2}}) {
        JournalRecord row;
        row.debitCode = c.debit;
        row.creditCode = c.credit;
        EXPECT_EQ(RecalledVoucherKind(row, "100"), c.kind) << c.debit << "/" << c.credit;
    }
    JournalRecord noCodes;
    EXPECT_EQ(RecalledVoucherKind(noCodes, ""), 0);
}

}  // namespace
