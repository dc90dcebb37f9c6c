#include "periodfile/SampleCompany.h"

#include "platform/calendar/DaysInMonth.h"

#include "periodfile/PeriodFileCreator.h"
#include "periodfile/StandardContents.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace periodfile {

namespace {

using Yen = std::int64_t;

// ---- Calendar --------------------------------------------------------------

struct Date {
    int year;
    int month;
    int day;
};

std::string isoText(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// The months of the period, 2025-04 to 2026-03.
Date monthOfPeriod(int index)
{
    const int month = 4 + index;
    return month > 12 ? Date{2026, month - 12, 1} : Date{2025, month, 1};
}

// ---- Deterministic numbers ---------------------------------------------------

// xorshift32 with a fixed seed: the same sample on every platform.
class SampleRandom {
public:
    explicit SampleRandom(std::uint32_t seed) : m_state(seed) {}

    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

    // A whole number from `low` to `high` (both included) in steps of `step`.
    Yen between(Yen low, Yen high, Yen step = 1)
    {
        const Yen steps = (high - low) / step + 1;
        return low + static_cast<Yen>(next() % static_cast<std::uint32_t>(steps)) * step;
    }

private:
    std::uint32_t m_state;
};

// ---- The journal being written -------------------------------------------------

// One of the company's bank accounts: its kind is the deposit account's name.
struct BankAccount {
    std::string_view kind;
    std::string_view bankCode;
    std::string_view branchCode;
    Yen opening;
    Yen balance;
};

struct JournalRow {
    std::string date;
    std::string voucher;
    int rowNumber;
    std::string description;
    std::string partner;
    std::string_view debit;   // account name
    std::string_view credit;  // account name
    Yen amount;               // the same on both sides
    const BankAccount* bank;  // the deposit named on the row, if any
};

constexpr int kTaxRate = 10;  // every date of the period lies after 2019-10-01
constexpr Yen taxOn(Yen amount)
{
    return amount * kTaxRate / 100;
}  // 端数処理 "1": truncate

class SampleJournal {
public:
    explicit SampleJournal(Yen openingCash) : m_cash(openingCash) {}

    // Starts a voucher on `date`; its number is the time it was entered on
    // that day, "yymmddhhmmss".
    void beginVoucher(const Date& date, std::string partner = {})
    {
        const int sequence = m_vouchersOnDay[isoText(date)]++;
        const int minutes = 9 * 60 + 1 + sequence * 7;
        char number[40];
        std::snprintf(number, sizeof number, "%02d%02d%02d%02d%02d%02d", date.year % 100, date.month, date.day,
                      minutes / 60, minutes % 60, (sequence * 17 + 5) % 60);
        m_date = isoText(date);
        m_voucher = number;
        m_partner = std::move(partner);
        m_nextRow = 1;
    }

    void add(std::string description, std::string_view debit, std::string_view credit, Yen amount,
             BankAccount* bank = nullptr)
    {
        m_rows.push_back(
            {m_date, m_voucher, m_nextRow++, std::move(description), m_partner, debit, credit, amount, bank});
        if (debit == "現金")
            m_cash += amount;
        if (credit == "現金")
            m_cash -= amount;
        if (bank && debit == bank->kind)
            bank->balance += amount;
        if (bank && credit == bank->kind)
            bank->balance -= amount;
    }

    // A purchase or expense row and its input-tax row, as the entry window
    // makes it: the tax row debits 仮払消費税 against the first row's credit.
    void addWithInputTax(std::string description, std::string_view debit, std::string_view credit, Yen amount,
                         BankAccount* bank = nullptr)
    {
        add(std::move(description), debit, credit, amount, bank);
        add("消費税", "仮払消費税", credit, taxOn(amount), bank);
    }

    // A sales row and its output-tax row: the tax row credits 仮受消費税
    // against the first row's debit.
    void addWithOutputTax(std::string description, std::string_view debit, std::string_view credit, Yen amount,
                          BankAccount* bank = nullptr)
    {
        add(std::move(description), debit, credit, amount, bank);
        add("消費税", debit, "仮受消費税", taxOn(amount), bank);
    }

    Yen cash() const { return m_cash; }
    const std::vector<JournalRow>& rows() const { return m_rows; }

private:
    std::vector<JournalRow> m_rows;
    std::map<std::string, int> m_vouchersOnDay;
    std::string m_date;
    std::string m_voucher;
    std::string m_partner;
    int m_nextRow = 1;
    Yen m_cash;
};

// ---- The company -----------------------------------------------------------------

constexpr Yen kOpeningCash = 385'420;

struct OpeningBalance {
    std::string_view account;
    Yen amount;
};

constexpr OpeningBalance kOpeningBalances[] = {
    {"現金", kOpeningCash},    {"当座預金", 1'264'800},       {"普通預金", 4'127'365},   {"定期預金", 2'000'000},
    {"売掛金", 3'318'600},     {"商品", 1'872'300},           {"前払費用", 132'000},     {"建物附属設備", 1'014'338},
    {"車両運搬具", 656'640},   {"工具器具備品", 491'040},     {"一括償却資産", 120'000}, {"ソフトウェア", 316'800},
    {"電話加入権", 72'000},    {"差入保証金", 600'000},       {"買掛金", 2'184'700},     {"未払金", 312'400},
    {"未払法人税等", 186'500}, {"未払消費税", 428'600},       {"預り金", 96'320},        {"長期借入金", 4'800'000},
    {"資本金", 3'000'000},     {"繰越利益剰余金", 5'362'783},
};

struct Partner {
    std::string_view name;
    std::string_view business;
    std::string_view rank;
    int closingDay;
    int paymentDays;
    std::string_view address;
    std::string_view representative;
    std::string_view phone;
    std::string_view mail;
};

constexpr Partner kPartners[] = {
    {"株式会社あおば商店", "菓子・食品卸（得意先）", "A", 31, 30, "東京都世田谷区太子堂9丁目1番1号", "青葉 一郎",
     "03-0000-1101", "keiri@aoba-shoten.example"},
    {"有限会社みどり堂", "菓子小売店（得意先）", "B", 20, 30, "東京都杉並区高円寺南9丁目2番2号", "緑川 花子",
     "03-0000-1102", "midori@midoridou.example"},
    {"東和物産株式会社", "食品卸（得意先）", "A", 31, 60, "神奈川県川崎市中原区小杉町9丁目3番3号", "東 和夫",
     "044-000-1103", "info@towa-bussan.example"},
    {"株式会社さくら百貨", "百貨店（得意先）", "A", 25, 30, "東京都豊島区南池袋9丁目4番4号", "桜井 智子",
     "03-0000-1104", "shiire@sakura-hyakka.example"},
    {"北斗フーズ株式会社", "食品スーパー（得意先）", "B", 31, 30, "埼玉県さいたま市大宮区桜木町9丁目5番5号",
     "北村 斗真", "048-000-1105", "buyer@hokuto-foods.example"},
    {"株式会社丸一食品", "食品メーカー（仕入先）", "A", 31, 30, "千葉県船橋市本町9丁目6番6号", "丸山 一成",
     "047-000-1201", "eigyo@maruichi-foods.example"},
    {"山本製菓株式会社", "菓子メーカー（仕入先）", "B", 20, 30, "東京都足立区千住9丁目7番7号", "山本 健二",
     "03-0000-1202", "order@yamamoto-seika.example"},
    {"日進紙工株式会社", "包装資材（仕入先）", "C", 31, 30, "東京都板橋区舟渡9丁目8番8号", "日野 進", "03-0000-1203",
     "sales@nisshin-shiko.example"},
    {"ヤマネ運輸株式会社", "配送委託", "C", 31, 30, "東京都江東区新木場9丁目9番9号", "山根 誠", "03-0000-1301",
     "unso@yamane-unyu.example"},
    {"株式会社新宿ビル管理", "事務所賃貸", "C", 0, 0, "東京都新宿区西新宿9丁目10番10号", "新宿 太一", "03-0000-1302",
     "kanri@shinjuku-bm.example"},
    {"東都リース株式会社", "リース", "C", 0, 0, "東京都中央区日本橋9丁目11番11号", "東 都子", "03-0000-1303",
     "lease@toto-lease.example"},
    {"税理士法人みらい会計", "税務顧問", "C", 0, 0, "東京都新宿区新宿9丁目12番12号", "未来 正", "03-0000-1304",
     "office@mirai-kaikei.example"},
};

struct FixedAsset {
    std::string_view number;
    std::string_view name;
    std::string_view account;
    std::string_view acquired;
    Yen price;
    std::string_view method;
    int life;
    double rate;       // percent
    double guarantee;  // percent
    Yen bookValue;     // at the start of the period
    Yen depreciation;  // of the period
    std::string_view department;
    std::string_view remark;
};

// Book values and this period's depreciation are those the register's
// depreciation routines give for a period of 2025-04-01 to 2026-03-31.
constexpr FixedAsset kFixedAssets[] = {
    {"F-001", "事務所内装工事", "建物附属設備", "2019-07-10", 1'650'000, "定額法", 15, 6.7, 0.0, 1'014'338, 110'550,
     "本社", "入居時の内装"},
    {"F-002", "配送用ライトバン", "車両運搬具", "2022-10-03", 2'280'000, "定率法", 5, 40.0, 10.8, 656'640, 262'656,
     "営業部", ""},
    {"F-003", "複合機", "工具器具備品", "2023-05-20", 858'000, "定率法", 5, 40.0, 10.8, 326'040, 130'416, "本社", ""},
    {"F-004", "販売管理ソフト", "ソフトウェア", "2024-04-01", 396'000, "定額法", 5, 20.0, 0.0, 316'800, 79'200, "本社",
     ""},
    {"F-005", "応接セット", "工具器具備品", "2021-04-15", 330'000, "定額法", 8, 12.5, 0.0, 165'000, 41'250, "本社", ""},
    {"F-006", "ノートパソコン３台", "一括償却資産", "2024-08-20", 180'000, "一括償却", 3, 0.0, 0.0, 120'000, 60'000,
     "営業部", "3年均等償却"},
    {"F-007", "陳列棚", "工具器具備品", "2025-09-10", 400'000, "定額法", 8, 12.5, 0.0, 400'000, 29'166, "営業部",
     "ショールーム用"},
};

// ---- Journal templates ---------------------------------------------------------------

struct TemplateRow {
    std::string_view description;
    std::string_view partner;
    std::string_view debit;
    std::string_view credit;
    Yen amount;
    int bank;  // index into the bank accounts, -1 for none
};

struct JournalTemplate {
    std::string_view id;
    std::string_view order;  // 表示順位
    bool closing;
    std::vector<TemplateRow> rows;
};

// Payroll templates: the net pay row (transferred from the ordinary deposit)
// and the three deductions in the payroll file's order: 明細控除8 (social
// insurance), 明細控除6 (income tax), 明細控除10 (resident tax). The
// part-timers' templates have these four rows only, so the child-rearing
// contribution is numbered by the code of 法定福利費.
std::vector<JournalTemplate> journalTemplates()
{
    constexpr int kCurrent = 0;
    constexpr int kOrdinary = 1;
    constexpr int kSecond = 2;
    auto payroll = [](std::string_view id, std::string_view order, std::string_view account,
                      std::string_view description) {
        const std::string_view deductions[] = {"社会保険料", "源泉所得税", "住民税"};
        JournalTemplate t{id, order, false, {}};
        t.rows.push_back({description, "", account, "普通預金", 0, kOrdinary});
        for (std::string_view deduction : deductions)
            t.rows.push_back({deduction, "", account, "預り金", 0, -1});
        return t;
    };
    std::vector<JournalTemplate> templates;
    templates.push_back({"250325100000",
                         "1",
                         false,
                         {{"商品売上", "", "売掛金", "売上高", 0, -1}, {"消費税", "", "売掛金", "仮受消費税", 0, -1}}});
    templates.push_back({"250325100500",
                         "1",
                         false,
                         {{"商品仕入", "", "仕入高", "買掛金", 0, -1}, {"消費税", "", "仮払消費税", "買掛金", 0, -1}}});
    templates.push_back({"250325101000", "2", false, {{"売掛金入金", "", "普通預金", "売掛金", 0, kOrdinary}}});
    templates.push_back({"250325101500",
                         "2",
                         false,
                         {{"買掛金支払", "", "買掛金", "当座預金", 0, kCurrent},
                          {"振込手数料", "", "支払手数料", "当座預金", 600, kCurrent},
                          {"消費税", "", "仮払消費税", "当座預金", 60, kCurrent}}});
    templates.push_back({"250325102000",
                         "3",
                         false,
                         {{"事務所家賃", "株式会社新宿ビル管理", "地代家賃", "普通預金", 180'000, kOrdinary},
                          {"消費税", "株式会社新宿ビル管理", "仮払消費税", "普通預金", 18'000, kOrdinary}}});
    templates.push_back({"250325102500",
                         "3",
                         false,
                         {{"POSレジリース料", "東都リース株式会社", "リース料", "普通預金", 22'000, kSecond},
                          {"消費税", "東都リース株式会社", "仮払消費税", "普通預金", 2'200, kSecond}}});
    templates.push_back(payroll("250325110000", "5", "役員報酬", "役員報酬"));
    templates.push_back(payroll("250325110500", "5", "給与手当", "給与"));
    templates.push_back(payroll("250325111000", "5", "雑給", "パート、アルバイト給与"));
    templates.push_back({"250325111500",
                         "5",
                         false,
                         {{"社会保険料納付（会社負担）", "", "法定福利費", "普通預金", 0, kOrdinary},
                          {"社会保険料納付（本人負担）", "", "預り金", "普通預金", 0, kOrdinary}}});
    templates.push_back(payroll("250325120000", "6", "役員賞与", "役員賞与"));
    templates.push_back(payroll("250325120500", "6", "賞与", "賞与"));
    templates.push_back(payroll("250325121000", "6", "雑給", "パート、アルバイト賞与"));
    templates.push_back(
        {"250325121500", "6", false, {{"源泉所得税・住民税納付", "", "預り金", "普通預金", 0, kOrdinary}}});
    templates.push_back({"250325130000", "9", true, {{"期首商品棚卸高振替", "", "期首商品棚卸高", "商品", 0, -1}}});
    templates.push_back({"250325130500", "9", true, {{"期末商品棚卸高振替", "", "商品", "期末商品棚卸高", 0, -1}}});
    templates.push_back({"250325131000", "9", true, {{"法人税等計上", "", "法人税等", "未払法人税等", 0, -1}}});
    return templates;
}

// ---- The year's vouchers ----------------------------------------------------------------

struct Customer {
    std::string_view name;
    int bank;            // the bank account it pays into
    Yen low, high;       // invoice range (before tax)
    bool secondInvoice;  // a second invoice in even months
    bool deductsFee;     // pays less the transfer fee
    Yen openingDue;      // its part of the opening receivables
};

constexpr Customer kCustomers[] = {
    {"株式会社あおば商店", 0, 280'000, 520'000, true, false, 1'021'900},
    {"有限会社みどり堂", 1, 90'000, 220'000, false, false, 486'200},
    {"東和物産株式会社", 2, 260'000, 480'000, false, false, 735'500},
    {"株式会社さくら百貨", 1, 180'000, 360'000, true, true, 612'000},
    {"北斗フーズ株式会社", 0, 150'000, 300'000, false, false, 463'000},
};

struct Supplier {
    std::string_view name;
    std::string_view item;
    Yen low, high;
    bool secondInvoice;
    Yen openingDue;
};

constexpr Supplier kSuppliers[] = {
    {"株式会社丸一食品", "商品仕入", 220'000, 420'000, true, 1'034'200},
    {"山本製菓株式会社", "商品仕入", 150'000, 320'000, false, 712'500},
    {"日進紙工株式会社", "包装資材仕入", 40'000, 90'000, false, 438'000},
};

struct CashExpense {
    std::string_view account;
    std::string_view description;
    Yen low, high;
};

constexpr CashExpense kCashExpenses[] = {
    {"消耗品費", "事務用消耗品", 1'200, 18'000}, {"旅費交通費", "電車・バス代", 800, 9'600},
    {"会議費", "打合せ茶菓代", 1'000, 6'000},    {"接待交際費", "得意先接待", 8'000, 36'000},
    {"新聞図書費", "業界誌購入", 1'100, 4'400},  {"事務用品費", "コピー用紙・文具", 1'500, 12'000},
    {"車両費", "ガソリン代", 4'000, 12'000},     {"荷造運賃", "宅配便送料", 900, 7'200},
};

// Vouchers of the year written once, on a day of one month.
struct OneOffRow {
    std::string_view description;
    std::string_view debit;
    std::string_view credit;
    Yen amount;
    bool inputTax = false;  // followed by its input-tax row
};

struct OneOff {
    int month;
    int day;
    std::vector<OneOffRow> rows;
};

const std::vector<OneOff>& oneOffs()
{
    static const std::vector<OneOff> vouchers = {
        {4, 10, {{"源泉所得税・住民税納付", "預り金", "普通預金", 96'320}}},
        {4, 30, {{"前期未払金支払", "未払金", "普通預金", 312'400}}},
        {5, 20, {{"自動車税納付", "租税公課", "普通預金", 34'500}}},
        {5,
         30,
         {{"法人税等確定納付", "未払法人税等", "普通預金", 186'500},
          {"消費税確定納付", "未払消費税", "普通預金", 428'600}}},
        {6, 16, {{"自動車保険料", "保険料", "普通預金", 86'400}}},
        {7, 10, {{"商工会議所年会費", "諸会費", "現金", 12'000}}},
        {8, 20, {{"預金利息", "普通預金", "受取利息", 18}}},
        {9, 10, {{"陳列棚購入", "工具器具備品", "普通預金", 400'000, true}}},
        {11, 28, {{"消費税中間納付", "仮払金", "普通預金", 214'300}}},
        {12, 12, {{"お歳暮", "接待交際費", "現金", 50'000, true}}},
        {2, 20, {{"預金利息", "普通預金", "受取利息", 21}}},
    };
    return vouchers;
}

struct Event {
    int day;
    int order;
    std::function<void()> run;
};

class SampleYear {
public:
    SampleYear()
        : m_random(20250401u), m_journal(kOpeningCash), m_banks{{"当座預金", "0001", "0001203", 1'264'800, 1'264'800},
                                                                {"普通預金", "0001", "0001203", 2'846'215, 2'846'215},
                                                                {"普通預金", "0009", "0009232", 1'281'150, 1'281'150}}
    {
        for (size_t i = 0; i < std::size(kCustomers); ++i)
            m_receivable[i] = kCustomers[i].openingDue;
        for (size_t i = 0; i < std::size(kSuppliers); ++i)
            m_payable[i] = kSuppliers[i].openingDue;
    }

    void write()
    {
        for (int month = 0; month < 12; ++month)
            writeMonth(month);
    }

    const SampleJournal& journal() const { return m_journal; }
    const BankAccount* banks() const { return m_banks; }
    static constexpr int kBankCount = 3;

private:
    void writeMonth(int index)
    {
        const Date first = monthOfPeriod(index);
        const int lastDay = o::DaysInMonth(first.year, first.month);
        auto on = [first](int day) { return Date{first.year, first.month, day}; };
        std::vector<Event> events;

        // Collections of last month's invoices (in April: the opening receivables).
        Yen due[std::size(kCustomers)];
        std::copy(std::begin(m_receivable), std::end(m_receivable), due);
        std::fill(std::begin(m_receivable), std::end(m_receivable), 0);
        for (size_t c = 0; c < std::size(kCustomers); ++c) {
            const Customer& customer = kCustomers[c];
            const int day = customer.deductsFee ? 28 : 25;
            events.push_back({day, 1, [this, c, due = due[c], date = on(day)] { collect(c, due, date); }});
        }

        // Invoices of this month.
        for (size_t c = 0; c < std::size(kCustomers); ++c) {
            const Customer& customer = kCustomers[c];
            const int invoices = customer.secondInvoice && index % 2 == 1 ? 2 : 1;
            for (int i = 0; i < invoices; ++i) {
                const int day = static_cast<int>(m_random.between(3, 27));
                const Yen amount = m_random.between(customer.low, customer.high, 100);
                events.push_back({day, 2, [this, c, amount, date = on(day)] { sell(c, amount, date); }});
            }
        }
        for (int i = 0; i < 2; ++i) {
            const int day = static_cast<int>(m_random.between(2, 28));
            const Yen amount = m_random.between(30'000, 90'000, 10);
            events.push_back({day, 2, [this, amount, date = on(day)] {
                                  m_journal.beginVoucher(date);
                                  m_journal.addWithOutputTax("店頭売上", "現金", "売上高", amount);
                              }});
        }

        // Purchases and the payment of last month's purchases at the month's end.
        Yen owed[std::size(kSuppliers)];
        std::copy(std::begin(m_payable), std::end(m_payable), owed);
        std::fill(std::begin(m_payable), std::end(m_payable), 0);
        for (size_t s = 0; s < std::size(kSuppliers); ++s) {
            const Supplier& supplier = kSuppliers[s];
            const int invoices = supplier.secondInvoice && index % 2 == 0 ? 2 : 1;
            for (int i = 0; i < invoices; ++i) {
                const int day = static_cast<int>(m_random.between(2, 26));
                const Yen amount = m_random.between(supplier.low, supplier.high, 100);
                events.push_back({day, 2, [this, s, amount, date = on(day)] { buy(s, amount, date); }});
            }
            events.push_back({lastDay, 5, [this, s, owed = owed[s], date = on(lastDay)] { pay(s, owed, date); }});
        }

        // Returns.
        if (first.month == 8)
            events.push_back({18, 3, [this, date = on(18)] { salesReturn(1, 15'000, date); }});
        if (first.month == 11)
            events.push_back({12, 3, [this, date = on(12)] { purchaseReturn(0, 20'000, date); }});

        addRegularExpenses(index, first, lastDay, events);
        addCashExpenses(first, events);
        addOneOffs(first, events);

        // Keep the cash box between about 150,000 and 500,000 yen.
        events.push_back({5, 0, [this, date = on(5)] { balanceCash(date); }});
        events.push_back({20, 0, [this, date = on(20)] { balanceCash(date); }});

        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.day != b.day ? a.day < b.day : a.order < b.order;
        });
        for (const Event& event : events)
            event.run();
    }

    void collect(size_t c, Yen due, const Date& date)
    {
        if (due <= 0)
            return;
        const Customer& customer = kCustomers[c];
        BankAccount* bank = &m_banks[customer.bank];
        m_journal.beginVoucher(date, std::string(customer.name));
        if (customer.deductsFee) {
            m_journal.add("売掛金入金", bank->kind, "売掛金", due - 660, bank);
            m_journal.addWithInputTax("振込手数料差引", "支払手数料", "売掛金", 600);
        } else {
            m_journal.add("売掛金入金", bank->kind, "売掛金", due, bank);
        }
    }

    void sell(size_t c, Yen amount, const Date& date)
    {
        m_journal.beginVoucher(date, std::string(kCustomers[c].name));
        m_journal.addWithOutputTax("商品売上", "売掛金", "売上高", amount);
        m_receivable[c] += amount + taxOn(amount);
    }

    void salesReturn(size_t c, Yen amount, const Date& date)
    {
        m_journal.beginVoucher(date, std::string(kCustomers[c].name));
        m_journal.add("返品", "売上値引戻り高", "売掛金", amount);
        m_journal.add("消費税", "仮受消費税", "売掛金", taxOn(amount));
        m_receivable[c] -= amount + taxOn(amount);
    }

    void buy(size_t s, Yen amount, const Date& date)
    {
        m_journal.beginVoucher(date, std::string(kSuppliers[s].name));
        m_journal.addWithInputTax(std::string(kSuppliers[s].item), "仕入高", "買掛金", amount);
        m_payable[s] += amount + taxOn(amount);
    }

    void purchaseReturn(size_t s, Yen amount, const Date& date)
    {
        m_journal.beginVoucher(date, std::string(kSuppliers[s].name));
        m_journal.add("返品", "買掛金", "仕入値引戻し高", amount);
        m_journal.add("消費税", "買掛金", "仮払消費税", taxOn(amount));
        m_payable[s] -= amount + taxOn(amount);
    }

    void pay(size_t s, Yen owed, const Date& date)
    {
        if (owed <= 0)
            return;
        BankAccount* current = &m_banks[0];
        BankAccount* ordinary = &m_banks[1];
        if (current->balance < owed + 200'000) {
            const Yen transfer = ((owed + 600'000 - current->balance) / 100'000) * 100'000;
            m_journal.beginVoucher(date);
            // Both accounts are kept at the same branch.
            m_journal.add("当座預金へ振替", "当座預金", "普通預金", transfer, current);
            ordinary->balance -= transfer;
        }
        m_journal.beginVoucher(date, std::string(kSuppliers[s].name));
        m_journal.add("買掛金支払", "買掛金", "当座預金", owed, current);
        m_journal.add("振込手数料", "支払手数料", "当座預金", 600, current);
        m_journal.add("消費税", "仮払消費税", "当座預金", taxOn(600), current);
    }

    void balanceCash(const Date& date)
    {
        BankAccount* ordinary = &m_banks[1];
        if (m_journal.cash() > 500'000) {
            const Yen amount = ((m_journal.cash() - 250'000) / 10'000) * 10'000;
            m_journal.beginVoucher(date);
            m_journal.add("現金預入", "普通預金", "現金", amount, ordinary);
        } else if (m_journal.cash() < 150'000) {
            m_journal.beginVoucher(date);
            m_journal.add("預金引出", "現金", "普通預金", 200'000, ordinary);
        }
    }

    void addRegularExpenses(int index, const Date& first, int lastDay, std::vector<Event>& events)
    {
        auto on = [first](int day) { return Date{first.year, first.month, day}; };
        BankAccount* ordinary = &m_banks[1];
        BankAccount* second = &m_banks[2];
        const Yen electricity = m_random.between(15'000, 28'000);
        const Yen phone = m_random.between(15'800, 17'600);
        const Yen shipping = m_random.between(18'000, 35'000, 10);
        // A bill paid by transfer from a deposit, with its input tax.
        auto bill = [&](int day, std::string_view partner, std::string_view description, std::string_view account,
                        Yen amount, BankAccount* bank) {
            events.push_back({day, 3, [=, this, date = on(day)] {
                                  m_journal.beginVoucher(date, std::string(partner));
                                  m_journal.addWithInputTax(std::string(description), account, "普通預金", amount,
                                                            bank);
                              }});
        };
        bill(10, "税理士法人みらい会計", "税務顧問料", "支払手数料", 30'000, ordinary);
        bill(10, "ヤマネ運輸株式会社", "配送料（前月分）", "荷造運賃", shipping, ordinary);
        bill(15, "", "電気料金", "水道光熱費", electricity, ordinary);
        const int loanDay = 20;
        events.push_back({loanDay, 3, [this, second, date = on(loanDay)] {
                              const Yen interest = m_loan * 15 / 1000 / 12;
                              m_journal.beginVoucher(date);
                              m_journal.add("借入金返済", "長期借入金", "普通預金", 100'000, second);
                              m_journal.add("借入金利息", "支払利息", "普通預金", interest, second);
                              m_loan -= 100'000;
                          }});
        bill(26, "", "電話・インターネット料金", "通信費", phone, ordinary);
        bill(27, "株式会社新宿ビル管理", "事務所家賃（翌月分）", "地代家賃", 180'000, ordinary);
        bill(27, "東都リース株式会社", "POSレジリース料", "リース料", 22'000, second);
        if (index % 3 == 2)
            bill(lastDay - 3, "", "チラシ印刷", "広告宣伝費", m_random.between(48'000, 66'000, 100), ordinary);
    }

    void addCashExpenses(const Date& first, std::vector<Event>& events)
    {
        for (int i = 0; i < 3; ++i) {
            const CashExpense& expense = kCashExpenses[m_random.next() % std::size(kCashExpenses)];
            const int day = static_cast<int>(m_random.between(1, 28));
            const Yen amount = m_random.between(expense.low, expense.high, 10);
            events.push_back({day, 4, [this, &expense, amount, date = Date{first.year, first.month, day}] {
                                  m_journal.beginVoucher(date);
                                  m_journal.addWithInputTax(std::string(expense.description), expense.account, "現金",
                                                            amount);
                              }});
        }
    }

    void addOneOffs(const Date& first, std::vector<Event>& events)
    {
        for (const OneOff& oneOff : oneOffs()) {
            if (oneOff.month != first.month)
                continue;
            events.push_back({oneOff.day, 3, [this, &oneOff, date = Date{first.year, oneOff.month, oneOff.day}] {
                                  writeOneOff(oneOff, date);
                              }});
        }
    }

    // A one-off voucher names the ordinary deposit on the rows that move it.
    void writeOneOff(const OneOff& oneOff, const Date& date)
    {
        BankAccount* ordinary = &m_banks[1];
        m_journal.beginVoucher(date);
        for (const OneOffRow& row : oneOff.rows) {
            BankAccount* bank = row.debit == ordinary->kind || row.credit == ordinary->kind ? ordinary : nullptr;
            if (row.inputTax)
                m_journal.addWithInputTax(std::string(row.description), row.debit, row.credit, row.amount, bank);
            else
                m_journal.add(std::string(row.description), row.debit, row.credit, row.amount, bank);
        }
    }

    SampleRandom m_random;
    SampleJournal m_journal;
    BankAccount m_banks[kBankCount];
    Yen m_receivable[std::size(kCustomers)] = {};
    Yen m_payable[std::size(kSuppliers)] = {};
    Yen m_loan = 4'800'000;
};

// ---- Writing the file ------------------------------------------------------------------------

std::string code(std::string_view account)
{
    return std::string(standardAccountCode(account));
}

void writeSettings(sqlite3* db)
{
    Yen deposits = 0;
    for (const OpeningBalance& balance : kOpeningBalances)
        if (balance.account == "当座預金" || balance.account == "普通預金" || balance.account == "定期預金")
            deposits += balance.amount;
    executeStatement(
        db,
        "UPDATE \"会計設定\" SET \"決算報告日\" = '2026-05-29', \"法人番号\" = '', \"フリガナ\" = 'サンプルショウジ',"
        " \"郵便番号\" = '160-0023', \"住所1\" = '東京都新宿区西新宿9丁目99番9号', \"住所2\" = 'サンプルビル3F',"
        " \"電話番号\" = '03-0000-0001', \"FAX番号\" = '03-0000-0002', \"事業種目\" = '菓子・食品卸売業',"
        " \"所轄税務署\" = '新宿税務署', \"事業主役職名\" = '代表取締役', \"事業主氏名\" = '山田 太郎',"
        " \"会社Eメール\" = 'info@sample-shoji.example', \"業種\" = 1, \"申告区分\" = '3', \"処理方法\" = '1',"
        " \"消費税計算\" = 1, \"端数処理\" = '1', \"期首現金残高\" = ?1, \"期首預金残高\" = ?2,"
        " \"金額単位\" = '円'",
        {SqlValue{kOpeningCash}, SqlValue{deposits}});
}

void writeOpeningBalances(sqlite3* db)
{
    for (const OpeningBalance& balance : kOpeningBalances)
        executeStatement(
            db, "UPDATE \"勘定科目コード表\" SET \"期首残高\" = ?1, \"前年決算残高\" = ?1 WHERE \"勘定科目名\" = ?2",
            {SqlValue{balance.amount}, SqlValue{std::string(balance.account)}});
}

void writePartners(sqlite3* db)
{
    for (const Partner& p : kPartners)
        insertRow(db, "取引先管理",
                  {{"取引先名", std::string(p.name)},
                   {"取引内容", std::string(p.business)},
                   {"取引先ランク", std::string(p.rank)},
                   {"締日", std::int64_t{p.closingDay}},
                   {"支払日", std::int64_t{p.paymentDays}},
                   {"住所", std::string(p.address)},
                   {"代表者", std::string(p.representative)},
                   {"電話番号", std::string(p.phone)},
                   {"メールアドレス", std::string(p.mail)}});
}

void writeBankAccounts(sqlite3* db, const BankAccount* banks, int count)
{
    for (int i = 0; i < count; ++i)
        insertRow(db, "取引銀行",
                  {{"no", std::int64_t{i + 1}},
                   {"銀行コード", std::string(banks[i].bankCode)},
                   {"支店コード", std::string(banks[i].branchCode)},
                   {"種別", std::string(banks[i].kind)},
                   {"期首残高", banks[i].opening},
                   {"現残高", banks[i].balance},
                   {"期末残高", std::int64_t{0}}});
}

void writeFixedAssets(sqlite3* db)
{
    for (const FixedAsset& a : kFixedAssets)
        insertRow(db, "固定資産台帳",
                  {{"管理番号", std::string(a.number)},
                   {"名称", std::string(a.name)},
                   {"数量", std::int64_t{1}},
                   {"勘定科目コード", code(a.account)},
                   {"取得年月日", std::string(a.acquired)},
                   {"取得価格", a.price},
                   {"償却方法", std::string(a.method)},
                   {"耐用年数", std::int64_t{a.life}},
                   {"償却率", a.rate},
                   {"保証率", a.guarantee},
                   {"残存価格", a.bookValue},
                   {"減価償却費", a.depreciation},
                   {"使用部署名", std::string(a.department)},
                   {"備考", std::string(a.remark)}});
    insertRow(db, "リース資産管理",
              {{"契約番号", std::string("TL-2023-0451")},
               {"資産名称", std::string("POSレジシステム")},
               {"勘定科目コード", code("工具器具備品")},
               {"取得年月日", std::string("2023-07-01")},
               {"購入日", std::string("2023-07-01")},
               {"購入金額", Yen{1'200'000}},
               {"支払総額", Yen{1'320'000}},
               {"リース回数", std::int64_t{60}},
               {"月リース料金", Yen{22'000}},
               {"月支払利息", Yen{2'000}},
               {"減価償却費", Yen{22'000}},
               {"リース会社", std::string("東都リース株式会社")},
               {"使用部署", std::string("店舗")},
               {"備考", std::string("5年リース")}});
}

// Appends the columns a template row and a journal row share, 摘要 to 決算仕訳;
// the amount stands on both sides.
void appendEntry(std::vector<ColumnValue>& columns, std::string_view description, std::string_view partner,
                 std::string_view debit, std::string_view credit, Yen amount, const BankAccount* bank, bool closing)
{
    const ColumnValue entry[] = {
        {"摘要", std::string(description)},
        {"取引先", std::string(partner)},
        {"借方コード", code(debit)},
        {"入金", amount},
        {"貸方コード", code(credit)},
        {"出金", amount},
        {"銀行コード", bank ? std::string(bank->bankCode) : std::string()},
        {"支店コード", bank ? std::string(bank->branchCode) : std::string()},
        {"決算仕訳", std::int64_t{closing ? 1 : 0}},
    };
    columns.insert(columns.end(), std::begin(entry), std::end(entry));
}

void writeTemplates(sqlite3* db, const BankAccount* banks)
{
    for (const JournalTemplate& t : journalTemplates()) {
        int rowNumber = 1;
        for (const TemplateRow& row : t.rows) {
            std::vector<ColumnValue> columns = {{"仕訳ID", std::string(t.id)}, {"追番", std::int64_t{rowNumber++}}};
            appendEntry(columns, row.description, row.partner, row.debit, row.credit, row.amount,
                        row.bank >= 0 ? &banks[row.bank] : nullptr, t.closing);
            columns.emplace_back("表示順位", std::string(t.order));
            insertRow(db, "仕訳定型台帳", columns);
        }
    }
}

void writeJournal(sqlite3* db, const SampleJournal& journal)
{
    for (const JournalRow& row : journal.rows()) {
        std::vector<ColumnValue> columns = {
            {"日付", row.date}, {"伝票番号", row.voucher}, {"追番", std::int64_t{row.rowNumber}}};
        appendEntry(columns, row.description, row.partner, row.debit, row.credit, row.amount, row.bank, false);
        insertRow(db, "仕訳台帳", columns);
    }
}

void fillSample(sqlite3* db)
{
    SampleYear year;
    year.write();
    writeSettings(db);
    writeOpeningBalances(db);
    writePartners(db);
    writeBankAccounts(db, year.banks(), SampleYear::kBankCount);
    writeFixedAssets(db);
    writeTemplates(db, year.banks());
    writeJournal(db, year.journal());
}

void writePathFile(const std::filesystem::path& folder, const std::string& periodFile)
{
    const std::filesystem::path pathFile = folder / "QVDBPATH.txt";
    std::ofstream out(pathFile, std::ios::binary | std::ios::trunc);
    out << periodFile << "\r\n";
    out.close();
    if (!out)
        throw std::runtime_error("「" + pathFile.string() + "」を書けませんでした");
}

}  // namespace

std::string createSampleCompany(const std::string& dir)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error)
        throw std::runtime_error("フォルダ「" + dir + "」を作れませんでした：" + error.message());
    const std::filesystem::path folder = std::filesystem::absolute(dir).lexically_normal();
    std::string path = (folder / std::string(kSampleFileName)).string();

    createPeriodFile(path, NewPeriod{std::string(kSampleCompanyName), kSamplePeriod, std::string(kSampleFirstDay)});

    try {
        {
            sqlite::Connection db(path, SQLITE_OPEN_READWRITE);
            sqlite::Transaction transaction(db.get());
            fillSample(db.get());
            transaction.commit();
        }
        writePathFile(folder, path);
    } catch (const std::exception& e) {
        std::filesystem::remove(path, error);
        throw std::runtime_error("見本の会社「" + std::string(kSampleCompanyName) + "」を作れませんでした："
                                 + e.what());
    }
    return path;
}

}  // namespace periodfile
