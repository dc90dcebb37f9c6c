#include "StatementsFixture.h"

#include "common/FitByteWidth.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Recordset.h"
#include "statements/PeriodFigures.h"

#include <atomic>
#include <unistd.h>

namespace statementstest {

namespace {

std::filesystem::path freshDir()
{
    static std::atomic<int> counter{0};
    auto dir = std::filesystem::temp_directory_path()
             / ("velmora-statements-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

struct Account {
    const char* code;
    const char* name;
    int side;
    const char* major;
    const char* middle;
    const char* minor;
    long long opening;
    bool inUse;
};

const Account kChart[] = {
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

StatementsFixture::StatementsFixture() : m_dir(freshDir())
{
    m_path = (m_dir / "テスト工業第3期.mdb").string();
    periodfile::createPeriodFile(m_path, {"テスト工業", 3, "2024-04-01"});
    m_db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(m_path);

    execute("DELETE FROM \"勘定科目コード表\"");
    execute("DELETE FROM \"勘定科目コード表2\"");
    for (const Account& a : kChart) {
        execute("INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"借貸区分\", \"大分類\", \"中分類\","
                " \"小分類\", \"期首残高\", \"適用\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                {a.code, a.name, a.side, a.major, a.middle, a.minor, a.opening, a.inUse ? 1 : 0});
        execute("INSERT INTO \"勘定科目コード表2\" (\"勘定科目コード2\", \"勘定科目名2\", \"大分類2\", \"中分類2\", \"小分類2\")"
                " VALUES (?, ?, ?, ?, ?)",
                {a.code, a.name, a.major, a.middle, a.minor});
    }
    execute("UPDATE \"会計設定\" SET \"業種\" = 2, \"決算報告日\" = '2025-05-30', \"事業主役職名\" = '代表取締役',"
            " \"事業主氏名\" = '山田太郎'");
    execute("DELETE FROM \"仕訳台帳\"");
    for (const FixtureRow& row : journal())
        addRow(row);
}

StatementsFixture::~StatementsFixture()
{
    m_db.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

void StatementsFixture::execute(const std::string& sql, const std::vector<dao::Value>& params)
{
    m_db->Execute(sql, params);
}

void StatementsFixture::addRow(const FixtureRow& r)
{
    static int voucher = 0;
    execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\", \"入金\","
            " \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
            " VALUES (?, ?, 1, ?, '', ?, ?, ?, ?, '', '', ?)",
            {r.date.empty() ? dao::Value() : dao::Value(r.date), "V" + std::to_string(++voucher), r.description,
             r.debitCode, r.debitAmount, r.creditCode, r.creditAmount, r.closing ? 1 : 0});
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

std::string bytesOf(const std::string& line, int from, int to)
{
    // Walk the line one character at a time, counting Shift-JIS bytes.
    std::string out;
    int position = 1;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t length = 1;
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c >= 0xF0) length = 4;
        else if (c >= 0xE0) length = 3;
        else if (c >= 0xC0) length = 2;
        const std::string ch = line.substr(i, length);
        const int width = o::ShiftJisByteWidth(ch);
        if (position >= from && position + width - 1 <= to)
            out += ch;
        position += width;
        i += length;
    }
    return out;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int byteWidth(const std::string& text)
{
    return o::ShiftJisByteWidth(text);
}

}  // namespace statementstest
