#include "books/BooksFixture.h"

#include "common/PrintRoutines.h"

namespace bookstest {

namespace {

// Each account in use; no 大分類 or 中分類.
const testsupport::ChartAccount kChart[] = {
    {code::Cash, "現金", 0, nullptr, nullptr, "現金預金", 500},
    {code::Current, "当座預金", 0, nullptr, nullptr, "現金預金", 2000},
    {code::Ordinary, "普通預金", 0, nullptr, nullptr, "現金預金", 1300},
    {code::Receivable, "売掛金", 0, nullptr, nullptr, "売上債権", 200},
    {code::Payable, "買掛金", 1, nullptr, nullptr, "他流動負債", 100},
    {code::Unpaid, "未払金", 1, nullptr, nullptr, "他流動負債", dao::Value()},
    {code::Sales, "売上高", 1, nullptr, nullptr, "売上高", 0},
    {code::Purchases, "仕入高", 0, nullptr, nullptr, "売上原価", 0},
    {code::Supplies, "消耗品費", 0, nullptr, nullptr, "販売管理費", 0},
};

}  // namespace

const std::vector<JournalEntry>& BooksFixture::standardJournal()
{
    using namespace code;
    static const std::vector<JournalEntry> rows = {
        {"2024-04-01", "V01", Cash, 300, Sales, 300, "現金売上", "", "", ""},
        {"2024-04-01", "V02", Supplies, 200, Cash, 200, "文具購入", "", "", ""},
        {"2024-04-02", "V03", Receivable, 1000, Sales, 1000, "掛売上", "東京商事", "", ""},
        {"2024-04-03", "V04", Purchases, 600, Payable, 600, "掛仕入", "大阪物産", "", ""},
        {"2024-04-05", "V05", Ordinary, 1000, Receivable, 1000, "売掛金回収", "東京商事", "0001", "0001001"},
        {"2024-04-06", "V06", Payable, 500, Current, 500, "買掛金支払", "大阪物産", "0001", "0001001"},
        {"2024-04-07", "V07", Payable, 100, Unpaid, 100, "未払金へ振替", "", "", ""},
        {"2024-04-08", "V08", Ordinary, 300, Cash, 300, "預入", "", "0002", "0002001"},
        {"2024-04-09", "V09", Supplies, 50, Ordinary, 50, "振込手数料", "", "0009", "0009001"},
        {"2024-04-10", "V10", Current, 70, Cash, 70, "当座へ預入", "", "0002", "0002001"},
        {"2024-04-10", "V11", Cash, dao::Value(), Sales, dao::Value(), "金額なし", "", "", ""},
        {"2025-03-31", "V12", Supplies, 30, Unpaid, 30, "決算未払計上", "", "", "", true},
    };
    return rows;
}

BooksFixture::BooksFixture() : m_file("テスト商事", 1, "2024-04-01"), m_db(m_file.open())
{
    testsupport::ReplaceChart(*m_db, kChart);
    execute("UPDATE \"会計設定\" SET \"期首現金残高\" = 500");

    execute("DELETE FROM \"銀行コードﾏｽﾀｰ\"");
    execute("DELETE FROM \"支店コードﾏｽﾀｰ\"");
    execute("INSERT INTO \"銀行コードﾏｽﾀｰ\" (\"銀行コード\", \"銀行名\", \"使用銀行\") VALUES ('0001', '青葉銀行', 1)");
    execute("INSERT INTO \"銀行コードﾏｽﾀｰ\" (\"銀行コード\", \"銀行名\", \"使用銀行\") VALUES ('0002', '若葉銀行', 1)");
    execute("INSERT INTO \"支店コードﾏｽﾀｰ\" (\"銀行コード\", \"支店コード\", \"支店名\", \"使用支店\")"
            " VALUES ('0001', '0001001', '本店', 1)");
    execute("INSERT INTO \"支店コードﾏｽﾀｰ\" (\"銀行コード\", \"支店コード\", \"支店名\", \"使用支店\")"
            " VALUES ('0002', '0002001', '駅前支店', 1)");
    // The bank 0009 is missing from the master: its account has no names.
    const char* bankSql = "INSERT INTO \"取引銀行\" (\"no\", \"銀行コード\", \"支店コード\", \"種別\", \"期首残高\","
                          " \"現残高\") VALUES (?, ?, ?, ?, ?, 999)";
    execute(bankSql, {1, "0001", "0001001", "普通預金", 1000});
    execute(bankSql, {2, "0001", "0001001", "当座預金", 2000});
    execute(bankSql, {3, "0002", "0002001", "普通預金", 300});
    execute(bankSql, {4, "0009", "0009001", "普通預金", 50});
    execute(bankSql, {5, "0002", "0002001", "当座預金", 70});
    execute(bankSql, {6, "0001", "0001001", "普通預金", 5});  // a second account of the same bank, branch and kind

    execute("DELETE FROM \"取引先管理\"");
    execute("INSERT INTO \"取引先管理\" (\"取引先名\", \"取引内容\", \"取引先ランク\", \"締日\", \"支払日\")"
            " VALUES ('東京商事', '', 'A', 20, 30)");
    execute("INSERT INTO \"取引先管理\" (\"取引先名\", \"取引内容\", \"取引先ランク\", \"締日\", \"支払日\")"
            " VALUES ('大阪物産', '仕入先', '', 0, 0)");

    execute("DELETE FROM \"仕訳台帳\"");
    for (const JournalEntry& e : standardJournal())
        addJournal(e);
}

BooksFixture::~BooksFixture()
{
    m_db.reset();
}

void BooksFixture::execute(const std::string& sql, const std::vector<dao::Value>& params)
{
    m_db->Execute(sql, params);
}

void BooksFixture::addJournal(const JournalEntry& e)
{
    testsupport::AddJournalRow(*m_db, e);
}

std::vector<std::vector<std::string>> requestedPages(const printing::RecordingPrinter& printer)
{
    std::vector<std::vector<std::string>> pages(1);
    for (const auto& event : printer.events()) {
        if (event.kind == printing::PrintEvent::Kind::NewPage)
            pages.emplace_back();
        else if (event.kind == printing::PrintEvent::Kind::Text)
            pages.back().push_back(event.text);
    }
    while (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

std::vector<long long> storedBalances(dao::Database& db)
{
    std::vector<long long> out;
    auto rs = db.OpenRecordset("SELECT \"現残高\" FROM \"取引銀行\" ORDER BY \"no\"");
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
        out.push_back(rs->get("現残高").toInt64());
    return out;
}

BooksPrinter::BooksPrinter()
{
    o::PreparePrinter(*this, 9, 0, 0, "ＭＳ ゴシック", 9);
}

ListColumns listColumns(const std::string& line)
{
    return {trimmed(bytesOf(line, 71, 85)), trimmed(bytesOf(line, 88, 99)), trimmed(bytesOf(line, 101, 112)),
            trimmed(bytesOf(line, 114, 127)), trimmed(bytesOf(line, 130, 143))};
}

}  // namespace bookstest
