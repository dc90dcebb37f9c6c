#include "SampleShapedJournal.h"

#include "BenchSql.h"

#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Value.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string_view>
#include <vector>

namespace bench {

namespace {

using Yen = std::int64_t;

// The company's deposit accounts: the account's name, bank and branch, as the
// sample company holds them.
struct Deposit {
    std::string_view account;
    std::string_view bankCode;
    std::string_view branchCode;
};

constexpr std::array<Deposit, 3> kDeposits = {{
    {"当座預金", "0001", "0001203"},
    {"普通預金", "0001", "0001203"},
    {"普通預金", "0009", "0009232"},
}};
constexpr std::size_t kCurrent = 0;
constexpr std::size_t kOrdinary = 1;

constexpr std::array<std::string_view, 5> kCustomers = {"株式会社あおば商店", "有限会社みどり堂", "東和物産株式会社",
                                                        "株式会社さくら百貨", "北斗フーズ株式会社"};
constexpr std::array<std::string_view, 3> kSuppliers = {"株式会社丸一食品", "山本製菓株式会社", "日進紙工株式会社"};

struct Payee {
    std::string_view partner;
    std::string_view account;
    std::string_view description;
    Yen low, high;
};

constexpr std::array<Payee, 4> kBankExpenses = {{
    {"株式会社新宿ビル管理", "地代家賃", "事務所家賃", 120'000, 240'000},
    {"東都リース株式会社", "リース料", "POSレジリース料", 18'000, 44'000},
    {"ヤマネ運輸株式会社", "荷造運賃", "配送委託料", 20'000, 160'000},
    {"", "水道光熱費", "電気料金", 8'000, 60'000},
}};

constexpr std::array<Payee, 6> kCashExpenses = {{
    {"", "消耗品費", "事務用消耗品", 1'200, 18'000},
    {"", "旅費交通費", "電車・バス代", 800, 9'600},
    {"", "会議費", "打合せ茶菓代", 1'000, 6'000},
    {"", "接待交際費", "得意先接待", 8'000, 36'000},
    {"", "車両費", "ガソリン代", 4'000, 12'000},
    {"", "事務用品費", "コピー用紙・文具", 1'500, 12'000},
}};

struct Row {
    std::string_view description;
    std::string_view debit;   // account name
    std::string_view credit;  // account name
    Yen amount;               // before scaling
    const Deposit* deposit;   // the deposit account the row names, if any
};

struct Voucher {
    std::string_view partner;
    bool closing = false;
    std::vector<Row> rows;
};

// Vouchers of the kinds a trading company books, drawn in turn.
class VoucherSource {
public:
    explicit VoucherSource(std::uint32_t seed) : m_random(seed) {}

    Voucher next(bool closing)
    {
        if (closing)
            return closingVoucher();
        const int kind = between(0, 99);
        if (kind < 22)
            return saleOnAccount();
        if (kind < 38)
            return collection();
        if (kind < 54)
            return purchase();
        if (kind < 68)
            return payment();
        if (kind < 80)
            return cashExpense();
        if (kind < 89)
            return bankExpense();
        if (kind < 94)
            return payroll();
        return cashSale();
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    Yen yen(Yen low, Yen high, Yen step) { return low + between(0, static_cast<int>((high - low) / step)) * step; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& from)
    {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(N) - 1))];
    }

    Voucher saleOnAccount()
    {
        Voucher v{pick(kCustomers), false, {}};
        const int items = between(1, 3);
        Yen total = 0;
        for (int i = 0; i < items; ++i) {
            const Yen amount = yen(20'000, 300'000, 100);
            v.rows.push_back({"商品売上", "売掛金", "売上高", amount, nullptr});
            total += amount;
        }
        v.rows.push_back({"消費税", "売掛金", "仮受消費税", total / 10, nullptr});
        return v;
    }

    Voucher collection()
    {
        Voucher v{pick(kCustomers), false, {}};
        const Deposit* into = &kDeposits[static_cast<std::size_t>(between(1, 2))];
        v.rows.push_back({"売掛金入金", into->account, "売掛金", yen(100'000, 600'000, 10), into});
        v.rows.push_back({"売掛金入金", into->account, "売掛金", yen(50'000, 300'000, 10), into});
        if (between(0, 9) < 4) {
            v.rows.push_back({"振込手数料差引", "支払手数料", "売掛金", 600, nullptr});
            v.rows.push_back({"消費税", "仮払消費税", "売掛金", 60, nullptr});
        }
        return v;
    }

    Voucher purchase()
    {
        Voucher v{pick(kSuppliers), false, {}};
        const int items = between(1, 2);
        Yen total = 0;
        for (int i = 0; i < items; ++i) {
            const Yen amount = yen(20'000, 250'000, 100);
            v.rows.push_back({"商品仕入", "仕入高", "買掛金", amount, nullptr});
            total += amount;
        }
        v.rows.push_back({"消費税", "仮払消費税", "買掛金", total / 10, nullptr});
        return v;
    }

    Voucher payment()
    {
        Voucher v{pick(kSuppliers), false, {}};
        const Deposit* from = &kDeposits[kCurrent];
        v.rows.push_back({"買掛金支払", "買掛金", from->account, yen(100'000, 600'000, 10), from});
        v.rows.push_back({"振込手数料", "支払手数料", from->account, 600, from});
        v.rows.push_back({"消費税", "仮払消費税", from->account, 60, from});
        return v;
    }

    Voucher cashExpense()
    {
        const Payee& payee = pick(kCashExpenses);
        const Yen amount = yen(payee.low, payee.high, 10);
        return {payee.partner,
                false,
                {{payee.description, payee.account, "現金", amount, nullptr},
                 {"消費税", "仮払消費税", "現金", amount / 10, nullptr}}};
    }

    Voucher bankExpense()
    {
        const Payee& payee = pick(kBankExpenses);
        const Deposit* from = &kDeposits[kOrdinary + static_cast<std::size_t>(between(0, 1))];
        const Yen amount = yen(payee.low, payee.high, 100);
        return {payee.partner,
                false,
                {{payee.description, payee.account, from->account, amount, from},
                 {"消費税", "仮払消費税", from->account, amount / 10, from}}};
    }

    // The net pay from the ordinary deposit and the deductions, of the
    // staff and, in one payroll in three, of the directors too.
    Voucher payroll()
    {
        Voucher v{"", false, {}};
        const Deposit* from = &kDeposits[kOrdinary];
        v.rows.push_back({"給与", "給与手当", from->account, yen(400'000, 1'600'000, 1), from});
        v.rows.push_back({"社会保険料", "給与手当", "預り金", yen(40'000, 160'000, 1), nullptr});
        v.rows.push_back({"源泉所得税", "給与手当", "預り金", yen(8'000, 40'000, 1), nullptr});
        if (between(0, 2) == 0) {
            v.rows.push_back({"役員報酬", "役員報酬", from->account, yen(300'000, 600'000, 1), from});
            v.rows.push_back({"社会保険料", "役員報酬", "預り金", yen(30'000, 60'000, 1), nullptr});
            v.rows.push_back({"源泉所得税", "役員報酬", "預り金", yen(10'000, 30'000, 1), nullptr});
        }
        return v;
    }

    Voucher cashSale()
    {
        const Yen amount = yen(3'000, 90'000, 10);
        return {
            "",
            false,
            {{"店頭売上", "現金", "売上高", amount, nullptr}, {"消費税", "現金", "仮受消費税", amount / 10, nullptr}}};
    }

    Voucher closingVoucher()
    {
        const Yen amount = yen(10'000, 200'000, 1);
        return {"",
                true,
                {{"減価償却費計上", "減価償却費", "工具器具備品", amount, nullptr},
                 {"未払費用計上", "水道光熱費", "未払費用", amount / 4, nullptr}}};
    }

    std::mt19937 m_random;
};

std::string codeOf(sqlite3* db, std::string_view name)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT \"勘定科目コード\" FROM \"勘定科目コード表\" WHERE \"勘定科目名\" = ?1", -1, &st,
                       nullptr);
    sqlite3_bind_text(st, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    std::string code;
    if (sqlite3_step(st) == SQLITE_ROW)
        code = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    if (code.empty()) {
        std::fprintf(stderr, "the chart has no account %.*s\n", static_cast<int>(name.size()), name.data());
        std::exit(1);
    }
    return code;
}

// The vouchers of a shape, in date order as they are entered: each with its
// date and its number, the time it was entered on that day ("yymmddhhmmss").
class Journal {
public:
    using Visit = std::function<void(const std::string& date, const std::string& number, const Voucher& voucher)>;

    explicit Journal(const JournalShape& shape) : m_shape(shape)
    {
        const auto first = dao::Date::parse(shape.firstDay);
        if (!first) {
            std::fprintf(stderr, "not a date: %s\n", shape.firstDay.c_str());
            std::exit(1);
        }
        m_firstDay = first->dayNumber();
    }

    void walk(const Visit& visit) const
    {
        VoucherSource source(20240401u);
        std::mt19937 chance(4011u);
        std::uniform_int_distribution<int> perMille(0, 999);
        constexpr int kDays = 365;
        // A voucher has 2.7 rows on average: the vouchers of a day, so that a
        // year holds the rows asked for.
        const long long perDay = std::max(1LL, static_cast<long long>(m_shape.rows) * 10 / 27 / kDays + 1);
        const long long step = std::clamp(50'000LL / perDay, 1LL, 60LL);  // seconds between two entries
        int written = 0;
        long long voucher = 0;
        while (written < m_shape.rows) {
            const long long dayIndex = std::min<long long>(voucher / perDay, kDays - 1);
            const bool closing = perMille(chance) < m_shape.closingPerMille;
            const bool nextPeriod = perMille(chance) < m_shape.nextPeriodPerMille;
            const long long day = m_firstDay + (nextPeriod ? kDays + dayIndex % 20 : dayIndex);
            const dao::Date date = dao::Date::fromDayNumber(day);
            const long long sequence = voucher - dayIndex * perDay;
            const long long entered = 8 * 3600 + sequence * step + (nextPeriod ? 1 : 0);
            char number[40];
            std::snprintf(number, sizeof number, "%02d%02d%02d%02lld%02lld%02lld", date.year % 100, date.month,
                          date.day, entered / 3600 % 24, entered / 60 % 60, entered % 60);
            const Voucher v = source.next(closing);
            visit(date.isoText(), number, v);
            written += static_cast<int>(v.rows.size());
            ++voucher;
        }
    }

private:
    JournalShape m_shape;
    long long m_firstDay = 0;
};

// The factor that keeps every account's total on each side within 32 bits.
double amountScale(const Journal& journal)
{
    std::map<std::string_view, Yen> debits, credits;
    journal.walk([&](const std::string&, const std::string&, const Voucher& v) {
        for (const Row& row : v.rows) {
            debits[row.debit] += row.amount;
            credits[row.credit] += row.amount;
        }
    });
    Yen largest = 1;
    for (const auto& side : {debits, credits})
        for (const auto& [account, total] : side)
            largest = std::max(largest, total);
    constexpr double kRoom = 1'900'000'000.0;  // below 2^31 - 1, for the rounding up of small amounts
    return std::min(1.0, kRoom / static_cast<double>(largest));
}

}  // namespace

GeneratedJournal writeSampleShapedJournal(sqlite3* db, const JournalShape& shape)
{
    GeneratedJournal made;
    const Journal journal(shape);
    made.amountScale = amountScale(journal);

    exec(db, "BEGIN");
    for (std::size_t i = 0; i < kDeposits.size(); ++i)
        exec(db,
             "INSERT INTO \"取引銀行\" (\"no\", \"銀行コード\", \"支店コード\", \"種別\", \"期首残高\") VALUES ("
                 + std::to_string(i + 1) + ", '" + std::string(kDeposits[i].bankCode) + "', '"
                 + std::string(kDeposits[i].branchCode) + "', '" + std::string(kDeposits[i].account) + "', 2000000)");
    std::vector<std::string_view> partners(kCustomers.begin(), kCustomers.end());
    partners.insert(partners.end(), kSuppliers.begin(), kSuppliers.end());
    for (const Payee& payee : kBankExpenses)
        if (!payee.partner.empty())
            partners.push_back(payee.partner);
    for (std::string_view partner : partners)
        exec(db, "INSERT INTO \"取引先管理\" (\"取引先名\") VALUES ('" + std::string(partner) + "')");

    std::map<std::string_view, std::string> codes;
    auto code = [&](std::string_view name) -> const std::string& {
        auto found = codes.find(name);
        if (found == codes.end())
            found = codes.emplace(name, codeOf(db, name)).first;
        return found->second;
    };
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\","
        " \"入金\", \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?7, ?9, ?10, ?11)",
        -1, &st, nullptr);
    journal.walk([&](const std::string& date, const std::string& number, const Voucher& v) {
        int rowNumber = 1;
        for (const Row& row : v.rows) {
            const auto amount = static_cast<Yen>(static_cast<double>(row.amount) * made.amountScale + 0.5);
            sqlite3_bind_text(st, 1, date.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 2, number.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(st, 3, rowNumber++);
            sqlite3_bind_text(st, 4, row.description.data(), static_cast<int>(row.description.size()), SQLITE_STATIC);
            sqlite3_bind_text(st, 5, v.partner.data(), static_cast<int>(v.partner.size()), SQLITE_STATIC);
            sqlite3_bind_text(st, 6, code(row.debit).c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(st, 7, std::max<Yen>(amount, 1));
            sqlite3_bind_text(st, 8, code(row.credit).c_str(), -1, SQLITE_TRANSIENT);
            const std::string_view bank = row.deposit ? row.deposit->bankCode : std::string_view();
            const std::string_view branch = row.deposit ? row.deposit->branchCode : std::string_view();
            sqlite3_bind_text(st, 9, bank.data(), static_cast<int>(bank.size()), SQLITE_STATIC);
            sqlite3_bind_text(st, 10, branch.data(), static_cast<int>(branch.size()), SQLITE_STATIC);
            sqlite3_bind_int(st, 11, v.closing ? 1 : 0);
            if (sqlite3_step(st) != SQLITE_DONE) {
                std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
                std::exit(1);
            }
            sqlite3_reset(st);
            ++made.rows;
            if (row.deposit)
                ++made.depositRows;
        }
        ++made.vouchers;
    });
    sqlite3_finalize(st);
    exec(db, "COMMIT");
    return made;
}

GeneratedJournal makeSampleShapedFile(const std::string& path, const JournalShape& shape)
{
    periodfile::createPeriodFile(path, {"ベンチ商事", 1, shape.firstDay});
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    const GeneratedJournal made = writeSampleShapedJournal(db, shape);
    sqlite3_close(db);
    return made;
}

}  // namespace bench
