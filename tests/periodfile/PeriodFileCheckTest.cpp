// `check`: a prepared file passes; a file that lacks an object, a field or a
// write registration fails naming it; other files are refused and left as they are.

#include "SchemaFixture.h"
#include "TempDir.h"
#include "support/CaseName.h"

#include "periodfile/PeriodFileCheck.h"
#include "periodfile/PeriodFileCreator.h"

#include <algorithm>

namespace periodfile::testing {
namespace {

bool mentions(const std::vector<std::string>& problems, const std::string& a, const std::string& b = "")
{
    return std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
        return p.find(a) != std::string::npos && p.find(b) != std::string::npos;
    });
}

struct DamageCase {
    const char* name;
    const char* damage;  // SQL run on a fresh schema
    const char* object;  // the problem names this object
    const char* field;   // ... and this field ("" for the whole object)
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedFile : public SchemaFixture, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFile, CheckNamesWhatIsMissing)
{
    exec(GetParam().damage);
    const std::vector<std::string> problems = findProblems(db);
    ASSERT_FALSE(problems.empty());
    EXPECT_TRUE(mentions(problems, std::string("「") + GetParam().object + "」", GetParam().field))
        << ::testing::PrintToString(problems);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedFile,
    ::testing::Values(
        DamageCase{"MissingView", "DROP VIEW Q_現金出納帳", "Q_現金出納帳", "ありません"},
        DamageCase{"MissingFullWidthAlias", "DROP VIEW \"Q_勘定科目コード表２\"", "Q_勘定科目コード表２", ""},
        DamageCase{"MissingTable", "DROP TABLE 預金種別", "預金種別", "テーブル"},
        DamageCase{"FieldMissingFromTable", "ALTER TABLE 会計設定 RENAME COLUMN 端数処理 TO 端数", "会計設定",
                   "「端数処理」"},
        DamageCase{"FieldMissingFromView",
                   "DROP VIEW Q_取引銀行; CREATE VIEW Q_取引銀行 AS SELECT rowid AS dao_rowid, no, 銀行コード,"
                   " 支店コード, 種別, 期首残高, 期末残高, '' AS 銀行名, '' AS 支店名 FROM 取引銀行",
                   "Q_取引銀行", "「現残高」"},
        DamageCase{"ViewWhoseTableIsGone", "DROP TABLE 年号コード", "Q_年号コード", "開けません"},
        DamageCase{"WritableViewNotRegistered", "DELETE FROM dao_updatable_views WHERE view_name = 'Q_仕訳台帳'",
                   "Q_仕訳台帳", "dao_updatable_views"},
        DamageCase{"SettingsAsAQuery",
                   "ALTER TABLE 会計設定 RENAME TO 設定; CREATE VIEW 会計設定 AS SELECT * FROM 設定", "会計設定",
                   "テーブルでなければ"}),
    testsupport::kCaseName);

TEST(PeriodFileCheck, CreatedFilePasses)
{
    TempDir dir;
    const std::string path = dir.file("テスト商事第1期.mdb");
    createPeriodFile(path, {"テスト商事", 1, "2024-04-01"});
    const CheckResult result = checkPeriodFile(path);
    EXPECT_TRUE(result.opened) << result.openError;
    EXPECT_EQ(result.problems, std::vector<std::string>{});
}

TEST(PeriodFileCheck, FileThatIsNotSqliteIsRefusedAndLeftUnchanged)
{
    TempDir dir;
    const std::string path = dir.file("古い第1期.mdb");
    const std::string bytes = std::string("Standard Jet DB\0\0\0\0 not sqlite at all", 38) + std::string(4096, 'x');
    writeAll(path, bytes);
    const CheckResult result = checkPeriodFile(path);
    EXPECT_FALSE(result.opened);
    EXPECT_NE(result.openError.find("SQLite"), std::string::npos) << result.openError;
    EXPECT_EQ(readAll(path), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no journal left
}

TEST(PeriodFileCheck, MissingFileIsReportedAndNotCreated)
{
    TempDir dir;
    const std::string path = dir.file("無い第1期.mdb");
    const CheckResult result = checkPeriodFile(path);
    EXPECT_FALSE(result.opened);
    EXPECT_NE(result.openError.find("ありません"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace periodfile::testing
