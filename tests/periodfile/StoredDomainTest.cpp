// The values a period file's fields may hold beyond their type, at the edges of
// each domain: the last value in is read, the first value out is refused with
// the field named, whichever window reads it. A whole-number field refuses a
// fraction instead of rounding it away. A column joined from another table may
// be empty (no row was joined); the table's own column may not.

#include "TempDir.h"

#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Engine.h"
#include "support/CaseName.h"

#include <algorithm>
#include <ostream>

namespace periodfile::testing {
namespace {

struct EdgeValue {
    const char* name;
    const char* update;  // sets the value in the file
    const char* source;  // what a window opens
    const char* find;    // the row
    const char* field;
    bool refused;
};

void PrintTo(const EdgeValue& c, std::ostream* out)
{
    *out << c.name;
}

class StoredDomainEdge : public ::testing::TestWithParam<EdgeValue> {};

const EdgeValue kEdges[] = {
    {"credit side", "UPDATE 勘定科目コード表 SET 借貸区分 = 1 WHERE 勘定科目コード = '100'", "Q_使用勘定科目表",
     "勘定科目コード = '100'", "借貸区分", false},
    {"side two", "UPDATE 勘定科目コード表 SET 借貸区分 = 2 WHERE 勘定科目コード = '100'", "Q_使用勘定科目表",
     "勘定科目コード = '100'", "借貸区分", true},
    {"side minus one", "UPDATE 勘定科目コード表 SET 借貸区分 = -1 WHERE 勘定科目コード = '100'", "Q_勘定科目コード表",
     "勘定科目コード = '100'", "借貸区分", true},
    {"side empty in the chart", "UPDATE 勘定科目コード表 SET 借貸区分 = NULL WHERE 勘定科目コード = '100'",
     "Q_勘定科目コード表", "勘定科目コード = '100'", "借貸区分", false},
    {"class of another word", "UPDATE 勘定科目コード表 SET 大分類 = '資産' WHERE 勘定科目コード = '100'",
     "Q_勘定科目コード表", "勘定科目コード = '100'", "大分類", true},
    {"class closing", "UPDATE 勘定科目コード表 SET 大分類 = '決算' WHERE 勘定科目コード = '100'", "Q_勘定科目コード表",
     "勘定科目コード = '100'", "大分類", false},
    {"whole opening balance", "UPDATE 勘定科目コード表 SET 期首残高 = -2147483648 WHERE 勘定科目コード = '100'",
     "Q_勘定科目コード表", "勘定科目コード = '100'", "期首残高", false},
    {"opening balance a fraction below zero",
     "UPDATE 勘定科目コード表 SET 期首残高 = -0.5 WHERE 勘定科目コード = '100'", "Q_勘定科目コード表",
     "勘定科目コード = '100'", "期首残高", true},
    {"rate zero", "UPDATE 消費税率 SET 税率 = 0 WHERE 日付 = '1989-04-01'", "Q_消費税率", "税率 = 0", "税率", false},
    {"rate one hundred", "UPDATE 消費税率 SET 税率 = 100 WHERE 日付 = '1989-04-01'", "Q_消費税率", "税率 = 100", "税率",
     false},
    {"rate one hundred and one", "UPDATE 消費税率 SET 税率 = 101 WHERE 日付 = '1989-04-01'", "Q_消費税率", "", "税率",
     true},
    {"simplified rate minus one", "UPDATE 消費税率 SET 簡易税率 = -1 WHERE 日付 = '1989-04-01'", "Q_消費税率", "",
     "簡易税率", true},
    {"simplified rate not set", "UPDATE 消費税率 SET 簡易税率 = NULL WHERE 日付 = '1989-04-01'", "Q_消費税率", "",
     "簡易税率", false},
    {"cost of nothing", "INSERT INTO 固定資産台帳 (管理番号, 名称, 取得価格, 耐用年数) VALUES ('A-1', '工具', 0, 1)",
     "Q_固定資産台帳", "", "取得価格", false},
    {"cost of minus one yen",
     "INSERT INTO 固定資産台帳 (管理番号, 名称, 取得価格, 耐用年数) VALUES ('A-1', '工具', -1, 1)", "Q_固定資産台帳",
     "", "取得価格", true},
    {"amount unit of another word", "UPDATE 会計設定 SET 金額単位 = '千円'", "会計設定", "", "金額単位", true},
    {"period number zero", "UPDATE 会計設定 SET 会計年度 = 0", "会計設定", "", "会計年度", true},
    // A journal row whose debit account is not in the chart joins no side.
    {"side not joined", "UPDATE 仕訳台帳 SET 借方コード = '998'", "Q_仕訳台帳", "", "借貸区分", false},
    {"side seven joined", "UPDATE 勘定科目コード表 SET 借貸区分 = 7; UPDATE 仕訳台帳 SET 借方コード = '100'",
     "Q_仕訳台帳", "", "借貸区分", true},
};

INSTANTIATE_TEST_SUITE_P(Edges, StoredDomainEdge, ::testing::ValuesIn(kEdges), testsupport::kCaseName);

TEST_P(StoredDomainEdge, ReadsTheValueInsideAndRefusesTheValueOutsideByName)
{
    const EdgeValue& c = GetParam();
    TempDir dir;
    const std::string path = dir.file("テスト商事第1期.mdb");
    createPeriodFile(path, {"テスト商事", 1, "2024-04-01"});
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    if (std::string(c.source) == "Q_仕訳台帳")
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                    " VALUES ('2024-04-01', '240401000001', 1, '100', 1000, '400', 1000)");
    // One statement at a time, as the database layer runs them.
    const std::string update = c.update;
    for (std::size_t start = 0; start < update.size();) {
        const std::size_t end = std::min(update.find(';', start), update.size());
        db->Execute(update.substr(start, end - start));
        start = end + 1;
    }
    auto rs = db->OpenRecordset(c.source, dao::RecordsetType::Snapshot);
    ASSERT_FALSE(rs->isEmpty());
    rs->MoveFirst();
    if (*c.find) {
        rs->FindFirst(c.find);
        ASSERT_FALSE(rs->NoMatch()) << c.find;
    }
    try {
        rs->get(c.field);
        EXPECT_FALSE(c.refused) << "read without a word";
    } catch (const dao::DaoError& e) {
        EXPECT_TRUE(c.refused) << e.what();
        EXPECT_NE(std::string(e.what()).find("フィールド「" + std::string(c.field) + "」"), std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find("ファイル「" + path + "」"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace periodfile::testing
