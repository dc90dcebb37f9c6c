#include "StatementsFixture.h"

#include "platform/dao/Recordset.h"
#include "statements/PeriodFigures.h"
#include "support/FixtureRows.h"

#include <cstdio>

namespace statementstest {

namespace {

const testsupport::ChartAccount kChart[] = {
    {"100", "現金", 0, "資産の部", "流動資産", "現金預金", 1000, true},
    {"101", "普通預金", 0, "資産の部", "流動資産", "現金預金", 5000, true},
    {"110", "売掛金", 0, "資産の部", "流動資産", "売上債権", 2000, true},
    {"121", "原材料", 0, "資産の部", "流動資産", "棚卸資産", 0, true},
    {"122", "仕掛品", 0, "資産の部", "流動資産", "棚卸資産", 0, true},
    {"140", "建物", 0, "資産の部", "固定資産", "有形固定資産", 10000, true},
    {"150", "ソフトウェア", 0, "資産の部", "固定資産", "無形固定資産", 0, false},
    {"200", "買掛金", 1, "負債の部", "流動負債", "仕入債務", 1500, true},
    {"210", "未払金", 1, "負債の部", "流動負債", "他流動負債", 0, true},
    {"213", "未払法人税等", 1, "負債の部", "流動負債", "他流動負債", 0, true},
    {"260", "資本金", 1, "資本の部", "資本金", "資本金", 14500, true},
    {"270", "利益準備金", 1, "資本の部", "剰余金", "利益剰余金", 500, true},
    {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0, true},
    {"411", "仕入高", 0, "経常損益", "営業損益", "仕入高", 0, true},
    {"413", "外注原価", 0, "経常損益", "営業損益", "売上原価", 0, true},
    {"430", "期首原材料棚卸高", 0, "経常損益", "製造原価", "期首原材料棚卸高", 400, true},
    {"431", "原材料仕入高", 0, "経常損益", "製造原価", "原材料仕入高", 0, true},
    {"432", "原材料値引戻し高", 1, "経常損益", "製造原価", "原材料仕入れ値引き戻し高", 0, true},
    {"433", "期末原材料棚卸高", 1, "経常損益", "製造原価", "期末原材料棚卸高", 0, true},
    {"440", "賃金", 0, "経常損益", "製造原価", "労務費", 0, true},
    {"450", "外注加工費", 0, "経常損益", "製造原価", "経費", 0, true},
    {"460", "期首仕掛品棚卸高", 0, "経常損益", "製造原価", "期首仕掛品棚卸高", 100, true},
    {"461", "期末仕掛品棚卸高", 1, "経常損益", "製造原価", "期末仕掛品棚卸高", 0, true},
    {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0, true},
    {"510", "荷造運賃", 0, "経常損益", "販売管理費", "販売管理費", 0, true},
    {"600", "受取利息", 1, "経常損益", "営業外損益", "営業外収益", 0, true},
    {"610", "支払利息", 0, "経常損益", "営業外損益", "営業外費用", 0, true},
    {"700", "固定資産売却益", 1, "特別損益", "特別損益", "特別利益", 0, true},
    {"710", "固定資産除却損", 0, "特別損益", "特別損益", "特別損失", 0, true},
    {"800", "法人税等", 0, "決算", "決算１", "法人税等", 0, true},
    {"850", "前期繰越利益", 1, "決算", "決算２", "繰越利益", 2000, true},
    {"999", "諸口", 0, "決算", "諸口", "諸口", 0, true},
};

}  // namespace

const std::vector<FixtureRow>& StatementsFixture::journal()
{
    static const std::vector<FixtureRow> rows = {
        {"2024-04-10", "110", 8000, "400", 8000, "掛売上"},
        {"2024-04-15", "100", 2000, "400", 2000, "現金売上"},
        {"2024-05-01", "411", 3000, "200", 3000, "商品仕入"},
        {"2024-05-10", "101", 6000, "110", 6000, "売掛金回収"},
        {"2024-05-20", "200", 2500, "101", 2500, "買掛金支払"},
        {"2024-06-01", "413", 400, "100", 400, "外注"},
        {"2024-06-05", "431", 1200, "200", 1200, "材料仕入"},
        {"2024-06-06", "200", 200, "432", 200, "材料返品"},
        {"2024-06-25", "440", 900, "101", 900, "工員賃金"},
        {"2024-07-01", "450", 600, "210", 600, "外注加工"},
        {"2024-07-25", "500", 1500, "101", 1500, "給与"},
        {"2024-08-01", "510", 300, "100", 300, "発送費"},
        {"2024-09-01", "101", 50, "600", 50, "利息"},
        {"2024-09-30", "610", 80, "101", 80, "借入利息"},
        {"2024-10-01", "100", 700, "700", 700, "備品売却"},
        {"2024-11-01", "710", 1000, "140", 1000, "一部除却"},
        {"2025-03-31", "121", 250, "433", 250, "期末材料", true},
        {"2025-03-31", "122", 150, "461", 150, "期末仕掛品", true},
        {"2025-03-31", "800", 900, "213", 900, "法人税等計上", true},
    };
    return rows;
}

StatementsFixture::StatementsFixture() : m_file("テスト工業", 3, "2024-04-01"), m_db(m_file.open())
{
    // One transaction for the whole set-up: one write to the disk.
    workspace().BeginTrans();
    testsupport::ReplaceChart(*m_db, kChart);
    execute("UPDATE \"会計設定\" SET \"業種\" = 2, \"決算報告日\" = '2025-05-30', \"事業主役職名\" = '代表取締役',"
            " \"事業主氏名\" = '山田太郎'");
    execute("DELETE FROM \"仕訳台帳\"");
    for (const FixtureRow& row : journal())
        addRow(row);
    workspace().CommitTrans();
}

StatementsFixture::~StatementsFixture()
{
    m_db.reset();
}

void StatementsFixture::execute(const std::string& sql, const std::vector<dao::Value>& params)
{
    m_db->Execute(sql, params);
}

void StatementsFixture::addRow(const FixtureRow& r)
{
    static int voucher = 0;
    char number[16];
    std::snprintf(number, sizeof number, "V%06d", ++voucher);
    testsupport::AddJournalRow(*m_db,
                               {r.date, number, r.debitCode, r.debitAmount, r.creditCode, r.creditAmount, r.description,
                                "", "", "", r.closing});
}

void StatementsFixture::recompute()
{
    statements::RecomputePeriodFigures(workspace(), *m_db);
}

long long StatementsFixture::figure(const std::string& code, const std::string& field)
{
    auto rs = m_db->OpenRecordset("SELECT \"" + field + "\" AS v FROM \"勘定科目コード表\" WHERE \"勘定科目コード\" = '"
                                      + code + "'",
                                  dao::RecordsetType::Snapshot);
    return rs->isEmpty() || rs->get("v").isNull() ? 0 : rs->get("v").toInt64();
}

}  // namespace statementstest
