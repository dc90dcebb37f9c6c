#pragma once
// A prepared period file in a temporary folder holding a small chart, four
// banks' accounts and a dozen journal rows whose books are worked out by hand
// in the tests.

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Value.h"
#include "platform/printing/RecordingPrinter.h"
#include "support/ByteColumns.h"
#include "support/FixtureRows.h"
#include "support/RowPrinting.h"
#include "support/TempPeriodFile.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bookstest {

using testsupport::bytesOf;
using testsupport::byteWidth;
using testsupport::trimmed;

// Account codes of the fixture chart.
namespace code {
inline const char* const Cash = "111";        // 現金, debit-normal, opening 500
inline const char* const Current = "112";     // 当座預金
inline const char* const Ordinary = "113";    // 普通預金
inline const char* const Receivable = "121";  // 売掛金, opening 200
inline const char* const Payable = "211";     // 買掛金, credit-normal, opening 100
inline const char* const Unpaid = "212";      // 未払金, credit-normal, opening NULL
inline const char* const Sales = "411";       // 売上高
inline const char* const Purchases = "511";   // 仕入高 (売上原価)
inline const char* const Supplies = "611";    // 消耗品費
}  // namespace code

using JournalEntry = testsupport::JournalRow;

class BooksFixture {
public:
    BooksFixture();  // the file with the chart, banks, partners and the journal below
    ~BooksFixture();

    const std::string& path() const { return m_file.path(); }
    std::shared_ptr<dao::Database> open() { return m_file.open(); }  // through the engine's first workspace
    void execute(const std::string& sql, const std::vector<dao::Value>& params = {});
    void addJournal(const JournalEntry& entry);

    static const std::vector<JournalEntry>& standardJournal();
private:
    testsupport::TempPeriodFile m_file;
    std::shared_ptr<dao::Database> m_db;
};

// The texts drawn between the page breaks the printout asked for (newPage
// calls), one vector per page, each text as drawn (at its column, so without
// the left margin). The device may also break a page that overflows; those
// breaks are not counted here.
std::vector<std::vector<std::string>> requestedPages(const printing::RecordingPrinter& printer);

// The stored 現残高 of the bank accounts, by their no.
std::vector<long long> storedBalances(dao::Database& db);

// The lines a book's routine hands to its sink, collected in order, e.g.
// bookLines(books::cashBookLines, source, now).
template <class Routine, class... Args> std::vector<std::string> bookLines(Routine&& routine, Args&&... args)
{
    std::vector<std::string> lines;
    routine(std::forward<Args>(args)..., [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

// A recording printer prepared as the books windows prepare theirs.
class BooksPrinter : public printing::RecordingPrinter {
public:
    BooksPrinter();
};

// The columns of a cash-book, general-ledger or sub-ledger list line (the
// three share one layout), trimmed.
struct ListColumns {
    std::string account, debit, credit, balance;
    std::string bank = {};

    bool operator==(const ListColumns&) const = default;
};
inline void PrintTo(const ListColumns& row, std::ostream* out)
{
    testsupport::PrintFields(out,
                             {{"account", row.account},
                              {"debit", row.debit},
                              {"credit", row.credit},
                              {"balance", row.balance},
                              {"bank", row.bank}});
}
ListColumns listColumns(const std::string& line);

}  // namespace bookstest
