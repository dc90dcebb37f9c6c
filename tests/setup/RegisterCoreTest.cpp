// What the registers of the setup window compute and write, without the
// window: the list lines, finding a listed record again, the rows a template
// grid stores, new template numbers, and template writes that are all or nothing.
#include "setup/SetupFixture.h"
#include "setup/RegisterFixture.h"

#include "common/FitByteWidth.h"
#include "journal/VoucherRows.h"
#include "setup/PartnerRegister.h"
#include "setup/RegisterLists.h"
#include "setup/ShownRecords.h"
#include "setup/TemplateRegister.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace setuptest {
namespace {

std::string blanks(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

class RegisterFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws = dao::DBEngine::instance().Workspaces(0);
        db = ws->OpenDatabase(file.path());
    }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }
    void failAtWrite(int n)
    {
        dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, n, false});
    }
    std::unique_ptr<dao::Recordset> open(const std::string& source)
    {
        auto rs = db->OpenRecordset(source, dao::RecordsetType::Dynaset);
        if (!rs->isEmpty())
            rs->MoveFirst();
        return rs;
    }

    TempPeriodFile file;
    std::shared_ptr<dao::Workspace> ws;
    std::shared_ptr<dao::Database> db;
};

// ---- list lines ---------------------------------------------------------------------------

using ListLineTest = RegisterFileTest;

TEST_F(ListLineTest, TemplateLinesShowAccountsPartnerAndBankOnlyWhereTheyChange)
{
    AddTwoMainOffices(*db, false);
    const auto row = [this](const char* id, int number, const char* description, const char* partner, const char* debit,
                            dao::Value amount, const char* branch, bool closing) {
        AddRow(*db, "Q_仕訳定型台帳",
               {{"仕訳ID", id},
                {"追番", number},
                {"摘要", description},
                {"取引先", partner},
                {"借方コード", debit},
                {"入金", amount},
                {"貸方コード", "400"},
                {"出金", amount},
                {"銀行コード", branch[0] ? "0009" : ""},
                {"支店コード", branch},
                {"決算仕訳", closing},
                {"表示順位", "1"}});
    };
    row("250401000001", 1, "売上", "山田商店", "103", 123456789, "0009001", true);
    row("250401000001", 2, "", "山田商店", "103", 12345678, "0009001", true);
    row("250401000002", 1, "売上", "山田商店", "103", dao::Value(), "", false);
    row("250401000002", 10, "十行目", "鈴木工業", "100", 1, "", false);

    auto templates = open("Q_仕訳定型台帳");
    setup::TemplateListLines lines;
    std::vector<std::string> texts;
    for (; !templates->EOF_(); templates->MoveNext())
        texts.push_back(lines.next(*templates).text);
    const std::string deposit = o::FitByteWidth("普通預金", 20);
    const std::string sales = o::FitByteWidth("売上高", 20);
    // Mark, row number and a blank; description 36; partner 16; debit account 20,
    // three blanks, amount in 10; credit account 20, three blanks, amount in 10;
    // two blanks, bank 15, a blank, branch 15. 123,456,789 is wider than its field: "*" across it.
    EXPECT_EQ(texts[0],
              "*1 " + o::FitByteWidth("売上", 36) + " " + o::FitByteWidth("山田商店", 16) + " " + deposit
                  + "   ********** " + sales + "   **********  " + o::FitByteWidth("三井住友銀行", 15) + " "
                  + o::FitByteWidth("本店", 15));
    EXPECT_EQ(texts[1],
              "*2 " + blanks(36) + " " + blanks(16) + " " + blanks(20) + "   12,345,678 " + blanks(20)
                  + "   12,345,678  " + blanks(15) + " " + blanks(15));
    // The next template names its accounts again; the partner only where it differs
    // from the partner last shown anywhere above.
    EXPECT_EQ(texts[2],
              " 1 " + o::FitByteWidth("売上", 36) + " " + blanks(16) + " " + deposit + "   " + blanks(10) + " " + sales
                  + "   " + blanks(10) + "  " + blanks(15) + " " + blanks(15));
    // A tenth row's number takes two characters.
    EXPECT_EQ(texts[3],
              " 10 " + o::FitByteWidth("十行目", 36) + " " + o::FitByteWidth("鈴木工業", 16) + " "
                  + o::FitByteWidth("現金", 20) + "   " + blanks(9) + "1 " + blanks(20) + "   " + blanks(9) + "1  "
                  + blanks(15) + " " + blanks(15));
}

TEST_F(ListLineTest, PartnerBankAccountAndLeaseLinesFillTheirColumns)
{
    AddRow(*db, "Q_取引先管理", {{"取引先名", "青葉商事"}});
    AddRow(*db, "Q_取引先管理", {{"取引先名", "山田商店"}, {"締日", 5}, {"支払日", 60}, {"取引先ランク", "A"}});
    auto partners = open("Q_取引先管理");
    EXPECT_EQ(setup::PartnerListLine(*partners).text,
              o::FitByteWidth("青葉商事", 27) + " " + blanks(24) + "  " + blanks(4) + " " + blanks(4) + "   "
                  + blanks(6) + "     " + blanks(30) + " " + blanks(12) + " " + blanks(12) + " " + blanks(20));
    partners->MoveNext();
    // 締日 right-aligned in 4 characters, 支払日 in 6.
    EXPECT_EQ(setup::PartnerListLine(*partners).text,
              o::FitByteWidth("山田商店", 27) + " " + blanks(24) + "  A    " + "  5日" + "   " + "  60日後" + "     "
                  + blanks(30) + " " + blanks(12) + " " + blanks(12) + " " + blanks(20));

    AddRow(*db, "Q_取引銀行",
           {{"no", 1}, {"銀行コード", "0001"}, {"支店コード", "0001203"}, {"種別", "普通預金"}, {"期首残高", 1234567}});
    auto accounts = open("Q_取引銀行");
    // 16, 10 and 10 characters, the balance right-aligned in 12, nothing between.
    EXPECT_EQ(setup::BankAccountListLine(*accounts).text,
              "みずほ銀行" + blanks(11) + "新宿支店" + blanks(6) + "普通預金" + blanks(6) + blanks(3) + "1,234,567");

    AddRow(*db, "Q_リース資産管理",
           {{"契約番号", "L-1"},
            {"資産名称", "複合機"},
            {"勘定科目コード", "145"},
            {"取得年月日", dao::Date{2024, 4, 1}},
            {"購入金額", 1200000},
            {"支払総額", 1300000},
            {"リース回数", 60},
            {"月リース料金", 21667},
            {"月支払利息", 1667},
            {"リース会社", "青葉リース"},
            {"使用部署", "総務部"},
            {"備考", ""}});
    auto leases = open("Q_リース資産管理");
    EXPECT_EQ(setup::LeaseListLine(*leases).text,
              o::FitByteWidth("L-1", 12) + " " + o::FitByteWidth("複合機", 16) + " "
                  + o::FitByteWidth("工具器具備品", 12) + " " + o::FitByteWidth(" 2024/04/01", 20) + "  " + " 1,200,000"
                  + "  " + " 1,300,000" + "  " + blanks(6) + "60" + " " + blanks(4) + "21,667" + " " + blanks(5)
                  + "1,667" + " " + o::FitByteWidth("青葉リース", 16) + " " + o::FitByteWidth("総務部", 14) + " "
                  + blanks(12));
}

// Amounts wider than their fields show as "*" across the field, never cut into
// another figure: the template's 入金 in 10, the bank account's opening balance
// in 12, the lease's purchase price in 10.
TEST_F(ListLineTest, AmountsTooWideForTheirFieldsShowStars)
{
    AddRow(*db, "Q_仕訳定型台帳",
           {{"仕訳ID", "250401000001"},
            {"追番", 1},
            {"摘要", "増資"},
            {"借方コード", "103"},
            {"入金", 1234567890},
            {"貸方コード", "400"},
            {"出金", 12345678},
            {"決算仕訳", false},
            {"表示順位", "1"}});
    auto templates = open("Q_仕訳定型台帳");
    setup::TemplateListLines lines;
    const std::string templateLine = lines.next(*templates).text;
    EXPECT_NE(templateLine.find("   " + std::string(10, '*') + " "), std::string::npos) << templateLine;
    EXPECT_NE(templateLine.find("   12,345,678  "), std::string::npos) << templateLine;  // 10 in 10 fits
    EXPECT_EQ(templateLine.find("1,234,567,8"), std::string::npos) << templateLine;

    AddRow(
        *db, "Q_取引銀行",
        {{"no", 1}, {"銀行コード", "0001"}, {"支店コード", "0001203"}, {"種別", "普通預金"}, {"期首残高", 2147483647}});
    auto accounts = open("Q_取引銀行");
    EXPECT_EQ(setup::BankAccountListLine(*accounts).text,
              "みずほ銀行" + blanks(11) + "新宿支店" + blanks(6) + "普通預金" + blanks(6) + std::string(12, '*'));

    AddRow(*db, "Q_リース資産管理",
           {{"契約番号", "L-1"},
            {"資産名称", "工作機械"},
            {"勘定科目コード", "145"},
            {"取得年月日", dao::Date{2024, 4, 1}},
            {"購入金額", 1234567890},
            {"支払総額", 1300000},
            {"リース回数", 60},
            {"月リース料金", 21667},
            {"月支払利息", 1667}});
    auto leases = open("Q_リース資産管理");
    const std::string leaseLine = setup::LeaseListLine(*leases).text;
    EXPECT_NE(leaseLine.find("  " + std::string(10, '*') + "  " + " 1,300,000"), std::string::npos) << leaseLine;
}

// ---- finding a listed record again --------------------------------------------------------

TEST_F(RegisterFileTest, ListedRecordIsFoundByKeyAndPlaceAmongItsNamesakes)
{
    for (const char* business : {"卸", "小売", "卸"})
        AddRow(*db, "Q_取引先管理", {{"取引先名", "山田商店"}, {"取引内容", business}});
    auto partners = open("Q_取引先管理");
    std::vector<std::string> keys, prints;
    for (; !partners->EOF_(); partners->MoveNext()) {
        keys.push_back(setup::PartnerKey(*partners));
        prints.push_back(setup::RecordFingerprint(*partners));
    }
    const setup::ShownLine second = setup::ShownLineAt(keys, prints, {}, 1);
    EXPECT_EQ(second.occurrence, 1);
    EXPECT_EQ(setup::LocateShownRecord(*partners, setup::PartnerKey, second), setup::ShownState::Unchanged);
    EXPECT_EQ(partners->get("取引内容").toText(), "小売");

    db->Execute("UPDATE 取引先管理 SET 電話番号 = '03-0000-0000' WHERE 取引内容 = '小売'");
    auto again = open("Q_取引先管理");
    EXPECT_EQ(setup::LocateShownRecord(*again, setup::PartnerKey, second), setup::ShownState::Changed);
    db->Execute("DELETE FROM 取引先管理 WHERE 取引内容 = '卸'");
    auto fewer = open("Q_取引先管理");
    EXPECT_EQ(setup::LocateShownRecord(*fewer, setup::PartnerKey, second), setup::ShownState::Vanished);
}

// A bank account's line compares what it shows and what "更新" writes: the
// 現残高 the bank books store leaves it as shown, its opening balance does not.
TEST_F(RegisterFileTest, BankAccountLineIsStaleOnlyForWhatItShowsOrTheUpdateWrites)
{
    AddRow(*db, "Q_取引銀行",
           {{"no", 1},
            {"銀行コード", "0001"},
            {"支店コード", "0001203"},
            {"種別", "普通預金"},
            {"期首残高", 1000},
            {"現残高", 1000},
            {"期末残高", 0}});
    const setup::ComparedFields& fields = setup::BankAccountComparedFields();
    auto accounts = open("Q_取引銀行");
    const setup::ShownLine line = setup::ShownLineAt({setup::BankAccountKey(*accounts)},
                                                     {setup::RecordFingerprint(*accounts, fields)}, fields, 0);
    db->Execute("UPDATE 取引銀行 SET 現残高 = 1300");
    EXPECT_EQ(setup::LocateShownRecord(*open("Q_取引銀行"), setup::BankAccountKey, line), setup::ShownState::Unchanged);
    db->Execute("UPDATE 取引銀行 SET 期首残高 = 900");
    EXPECT_EQ(setup::LocateShownRecord(*open("Q_取引銀行"), setup::BankAccountKey, line), setup::ShownState::Changed);
}

struct DayCase {
    const char* name;
    const char* text;
    long long day;
};

void PrintTo(const DayCase& c, std::ostream* os)
{
    *os << c.name;
}

class DayNumberTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(DayNumberTest, PartnerDaysAreTheNumbersTheirTextsBeginWith)
{
    EXPECT_EQ(setup::LeadingDayNumber(GetParam().text), GetParam().day);
}

INSTANTIATE_TEST_SUITE_P(Days, DayNumberTest,
                         ::testing::Values(DayCase{"ClosingDay", "20日", 20}, DayCase{"PaymentTerm", "60日後", 60},
                                           DayCase{"LeadingBlanks", "  5日", 5}, DayCase{"NoNumber", "末日", 0},
                                           DayCase{"Empty", "", 0}),
                         testsupport::kCaseName);

// ---- the rows of a template grid -------------------------------------------------------------

journal::EntryRow Cells(const char* description, const char* debit, const char* debitAmount, const char* credit,
                        const char* creditAmount, const char* bank = "", const char* branch = "")
{
    return journal::EntryRow{description, "", debit, debitAmount, credit, creditAmount, bank, branch};
}

journal::CodeLookup Codes()
{
    return [](int kind, const std::string& name) -> std::string {
        static const std::map<std::string, std::string> accounts = {
            {"現金", "100"}, {"普通預金", "103"}, {"売上高", "400"}, {"仕入高", "411"}, {"買掛金", "201"}};
        static const std::map<std::string, std::string> banks = {{"三菱ＵＦＪ銀行", "0005"}, {"三井住友銀行", "0009"}};
        const auto& table = kind == 4 ? banks : accounts;
        const auto it = table.find(name);
        return (kind < 2 || kind > 4 || it == table.end()) ? std::string() : it->second;
    };
}

journal::BranchLookup Branches()
{
    return [](const std::string& bank, const std::string& name) -> std::string {
        return name == "本店" && !bank.empty() ? bank + "001" : std::string();
    };
}

TEST(TemplateRowsTest, EmptyCellsCarryDownAndAmountsAreTheCellsAsShown)
{
    journal::EntryRows grid{};
    grid[0] = Cells("振込入金", "普通預金", "10,800", "売上高", "10,800", "三井住友銀行", "本店");
    grid[1] = Cells("値引", "", "0", "", "", "三菱ＵＦＪ銀行", "本店");
    grid[2] = Cells("", "", "5", "現金", "5");
    const setup::TemplateRows build = setup::BuildTemplateRows(grid, Codes(), Branches());
    ASSERT_FALSE(build.error);
    ASSERT_EQ(build.rows.size(), 3u);
    EXPECT_EQ(build.rows[0].debit, 10800);
    EXPECT_EQ(build.rows[1].debitCode, "103");
    EXPECT_EQ(build.rows[1].creditCode, "400");
    EXPECT_EQ(build.rows[1].credit, 0);
    EXPECT_EQ(build.rows[1].branchCode, "0005001");
    EXPECT_EQ(build.rows[2].creditCode, "100");
    EXPECT_EQ(build.rows[2].bankCode, "0009");
    EXPECT_EQ(build.rows[2].branchCode, "0009001");
}

TEST(TemplateRowsTest, AnAmountThatIsNoNumberIsRefusedNamingItsRow)
{
    journal::EntryRows grid{};
    grid[0] = Cells("仕入", "仕入高", "1,000", "買掛金", "1,000");
    grid[1] = Cells("運賃", "仕入高", "百", "買掛金", "");
    EXPECT_EQ(setup::BuildTemplateRows(grid, Codes(), Branches()).error,
              std::optional<std::string>(journal::messages::AmountNotNumeric(2)));
    grid[1].debitAmount = "2,147,483,648";
    EXPECT_EQ(setup::BuildTemplateRows(grid, Codes(), Branches()).error,
              std::optional<std::string>(journal::messages::AmountOutOfRange(2)));
}

// ---- template writes ------------------------------------------------------------------------

class TemplateWriteTest : public RegisterFileTest {
protected:
    std::vector<setup::TemplateRowToStore> rows(int count)
    {
        std::vector<setup::TemplateRowToStore> result;
        for (int i = 1; i <= count; ++i) {
            setup::TemplateRowToStore row;
            row.rowNumber = i;
            row.description = "行" + std::to_string(i);
            row.debitCode = "100";
            row.creditCode = "400";
            row.debit = row.credit = 1000 * i;
            result.push_back(row);
        }
        return result;
    }
    std::vector<std::string> stored()
    {
        return Rows(*db, "Q_仕訳定型台帳", {"仕訳ID", "追番", "摘要", "入金", "表示順位"});
    }
    std::vector<std::string> prints(const std::string& id)
    {
        auto templates = open("Q_仕訳定型台帳");
        return setup::TemplateFingerprints(*templates, id);
    }
};

TEST_F(TemplateWriteTest, NewTemplateNeverTakesANumberAlreadyHeld)
{
    const dao::Date now{2025, 6, 1, 10, 0, 0};
    AddRow(*db, "Q_仕訳定型台帳", {{"仕訳ID", "250601100000"}, {"追番", 1}, {"摘要", "既存"}});
    const std::string first = setup::RegisterTemplate(*ws, *db, rows(1), {false, "1"}, now);
    const std::string second = setup::RegisterTemplate(*ws, *db, rows(1), {false, "1"}, now);
    EXPECT_EQ(first, "250601100001");
    EXPECT_EQ(second, "250601100002");
}

TEST_F(TemplateWriteTest, ReplacingKeepsTheNumberAndTheRowsAreExactlyTheNewOnes)
{
    const std::string id = setup::RegisterTemplate(*ws, *db, rows(3), {false, "1"}, dao::Date{2025, 6, 1, 10, 0, 0});
    EXPECT_EQ(setup::ReplaceTemplate(*ws, *db, id, prints(id), rows(2), {true, ""}), std::nullopt);
    EXPECT_EQ(stored(), (std::vector<std::string>{id + "|1|行1|1000|", id + "|2|行2|2000|"}));
    EXPECT_EQ(setup::DeleteTemplate(*ws, *db, id, prints(id)), std::nullopt);
    EXPECT_TRUE(stored().empty());
}

class TemplateWriteFailureTest : public TemplateWriteTest, public ::testing::WithParamInterface<int> {};

TEST_P(TemplateWriteFailureTest, FailedWriteLeavesEveryTemplateAsItWas)
{
    const std::string id = setup::RegisterTemplate(*ws, *db, rows(2), {false, "1"}, dao::Date{2025, 6, 1, 10, 0, 0});
    const std::vector<std::string> before = stored();
    failAtWrite(GetParam());
    EXPECT_THROW(setup::ReplaceTemplate(*ws, *db, id, prints(id), rows(3), {false, "1"}), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(stored(), before);
    failAtWrite(std::min(GetParam(), 3));
    EXPECT_THROW(setup::RegisterTemplate(*ws, *db, rows(3), {false, "1"}, dao::Date{2025, 6, 1, 11, 0, 0}),
                 dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(stored(), before);
    failAtWrite(std::min(GetParam(), 2));
    EXPECT_THROW(setup::DeleteTemplate(*ws, *db, id, prints(id)), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(stored(), before);
}

// Replacing: writes 1 and 2 delete the stored rows, 3 to 5 add the new ones;
// registering three rows fails at the same write or at its last; deleting the
// two rows fails at the first or, with one row gone, at the second.
INSTANTIATE_TEST_SUITE_P(Writes, TemplateWriteFailureTest, ::testing::Values(1, 2, 3, 5),
                         [](const ::testing::TestParamInfo<int>& write) {
                             return "Write" + std::to_string(write.param);
                         });

}  // namespace
}  // namespace setuptest
