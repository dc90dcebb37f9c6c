#include "books/BooksFixture.h"

#include "common/FitByteWidth.h"
#include "common/PrintRoutines.h"
#include "periodfile/PeriodFileCreator.h"

#include <atomic>
#include <unistd.h>

namespace bookstest {

namespace {

std::filesystem::path freshDir()
{
    static std::atomic<int> counter{0};
    auto dir = std::filesystem::temp_directory_path()
             / ("velmora-books-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

struct Account {
    const char* code;
    const char* name;
    int side;
    const char* minor;
    dao::Value opening;
};

const Account kChart[] = {
    {code::Cash, "現金", 0, "現金預金", 500},
    {code::Current, "当座預金", 0, "現金預金", 2000},
    {code::Ordinary, "普通預金", 0, "現金預金", 1300},
    {code::Receivable, "売掛金", 0, "売上債権", 200},
    {code::Payable, "買掛金", 1, "他流動負債", 100},
    {code::Unpaid, "未払金", 1, "他流動負債", dao::Value()},
    {code::Sales, "売上高", 1, "売上高", 0},
    {code::Purchases, "仕入高", 0, "売上原価", 0},
    {code::Supplies, "消耗品費", 0, "販売管理費", 0},
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

BooksFixture::BooksFixture() : m_dir(freshDir())
{
    m_path = (m_dir / "テスト商事第1期.mdb").string();
    periodfile::createPeriodFile(m_path, {"テスト商事", 1, "2024-04-01"});
    m_db = open();

    execute("DELETE FROM \"勘定科目コード表\"");
    execute("DELETE FROM \"勘定科目コード表2\"");
    for (const Account& a : kChart) {
        execute("INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"借貸区分\", \"小分類\","
                " \"期首残高\", \"適用\") VALUES (?, ?, ?, ?, ?, 1)",
                {a.code, a.name, a.side, a.minor, a.opening});
        execute("INSERT INTO \"勘定科目コード表2\" (\"勘定科目コード2\", \"勘定科目名2\", \"小分類2\")"
                " VALUES (?, ?, ?)", {a.code, a.name, a.minor});
    }
    execute("UPDATE \"勘定科目コード表\" SET \"期首残高\" = NULL WHERE \"勘定科目コード\" = ?", {code::Unpaid});
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
    execute(bankSql, {6, "0001", "0001001", "普通預金", 5});   // a second account of the same bank, branch and kind

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
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::shared_ptr<dao::Database> BooksFixture::open()
{
    return dao::DBEngine::instance().Workspaces(0)->OpenDatabase(m_path);
}

void BooksFixture::execute(const std::string& sql, const std::vector<dao::Value>& params)
{
    m_db->Execute(sql, params);
}

void BooksFixture::addJournal(const JournalEntry& e)
{
    execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\", \"入金\","
            " \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
            " VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {e.date.empty() ? dao::Value() : dao::Value(e.date), e.voucher, e.description, e.partner, e.debitCode,
             e.debitAmount, e.creditCode, e.creditAmount, e.bankCode, e.branchCode, e.closing ? 1 : 0});
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

std::string bytesOf(const std::string& line, int from, int to)
{
    std::string out;
    int position = 1;
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char lead = static_cast<unsigned char>(line[i]);
        const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string ch = line.substr(i, len);
        const int width = o::ShiftJisByteWidth(ch);
        if (position >= from && position + width - 1 <= to)
            out += ch;
        position += width;
        i += len;
    }
    return out;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int byteWidth(const std::string& text)
{
    return o::ShiftJisByteWidth(text);
}

}  // namespace bookstest
