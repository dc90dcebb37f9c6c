// The names a saved query joins to its codes never hide a row: a row whose
// account, bank or branch is missing still shows, with empty names.

#include "SchemaFixture.h"
#include "support/CaseName.h"

namespace periodfile::testing {
namespace {

class ViewJoinTest : public SchemaFixture {
protected:
    void SetUp() override
    {
        SchemaFixture::SetUp();
        exec("INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名, 小分類, 消費税, 適用) VALUES"
             " ('103', '普通預金', '現金預金', 0, 1), ('400', '売上高', '売上高', 1, 1)");
        exec("INSERT INTO 勘定科目コード表2 (勘定科目コード2, 勘定科目名2, 小分類2, 消費税2) VALUES"
             " ('103', '普通預金', '現金預金', 0), ('400', '売上高', '売上高', 1)");
        exec("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名, 使用銀行) VALUES ('0001', 'みずほ', 1)");
        exec("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名, 使用支店) VALUES ('0001', '0001100', '本店', "
             "1)");
    }
};

TEST_F(ViewJoinTest, JournalShowsNamesFromBothSidesAndTheBank)
{
    exec("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 貸方コード, 銀行コード, 支店コード)"
         " VALUES ('2024-04-01', 'A', 1, '103', '400', '0001', '0001100')");
    EXPECT_EQ(single("SELECT 勘定科目名 || '/' || 小分類 || '/' || 勘定科目名2 || '/' || 小分類2 || '/' || 消費税2"
                     " || '/' || 銀行名 || '/' || 支店名 FROM Q_仕訳台帳"),
              "普通預金/現金預金/売上高/売上高/1/みずほ/本店");
}

struct MissingCase {
    const char* name;
    const char* view;
    const char* insert;
    const char* names;  // the joined names, each NULL
};

void PrintTo(const MissingCase& c, std::ostream* os)
{
    *os << c.name;
}

class MissingNames : public ViewJoinTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingNames, RowStillShowsWithEmptyNames)
{
    exec(GetParam().insert);
    const std::string view = GetParam().view;
    EXPECT_EQ(single("SELECT count(*) FROM \"" + view + "\""), "1");
    EXPECT_EQ(single("SELECT " + std::string(GetParam().names) + " FROM \"" + view + "\""), "1") << view;
}

INSTANTIATE_TEST_SUITE_P(
    Views, MissingNames,
    ::testing::Values(
        MissingCase{"Journal", "Q_仕訳台帳",
                    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 貸方コード, 銀行コード, 支店コード)"
                    " VALUES ('2024-04-01', 'A', 1, '999', '998', '0002', '0002001')",
                    "勘定科目名 IS NULL AND 勘定科目名2 IS NULL AND 銀行名 IS NULL AND 支店名 IS NULL"},
        MissingCase{"BankJournal", "Q_取引銀行仕訳",
                    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 貸方コード, 銀行コード, 支店コード)"
                    " VALUES ('2024-04-01', 'A', 1, '', '', '0002', '0002001')",
                    "勘定科目名 IS NULL AND 銀行名 IS NULL AND 支店名 IS NULL"},
        MissingCase{"Templates", "Q_仕訳定型台帳",
                    "INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 借方コード) VALUES ('T', 1, '103')",
                    "勘定科目名 = '普通預金' AND 勘定科目名2 IS NULL AND 銀行名 IS NULL"},
        MissingCase{"BankAccounts", "Q_取引銀行",
                    "INSERT INTO 取引銀行 (no, 銀行コード, 支店コード) VALUES (1, '0002', '0002001')",
                    "銀行名 IS NULL AND 支店名 IS NULL"},
        MissingCase{"BranchMaster", "Q_支店コードﾏｽﾀｰ",
                    "DELETE FROM 支店コードﾏｽﾀｰ; INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード) VALUES ('0003', "
                    "'0003001')",
                    "銀行名 IS NULL"},
        MissingCase{"FixedAssets", "Q_固定資産台帳",
                    "INSERT INTO 固定資産台帳 (管理番号, 勘定科目コード) VALUES ('1', '')", "勘定科目名 IS NULL"},
        MissingCase{"Leases", "Q_リース資産管理",
                    "INSERT INTO リース資産管理 (契約番号, 勘定科目コード) VALUES ('L1', '145')",
                    "勘定科目名 IS NULL"}),
    testsupport::kCaseName);

TEST_F(ViewJoinTest, LeaseListShowsItsPrintedColumnsFromTheStoredOnes)
{
    exec("INSERT INTO リース資産管理 (契約番号, 資産名称, リース回数, 支払総額, 月リース料金, 購入日)"
         " VALUES ('L1', '複合機', 60, 600000, 10000, '2024-04-01')");
    EXPECT_EQ(single("SELECT 物件名称 || '/' || リース期間 || '/' || 総額 || '/' || リース料 || '/' || 開始日"
                     " FROM Q_リース資産管理"),
              "複合機/5/600000/10000/2024-04-01");
}

}  // namespace
}  // namespace periodfile::testing
