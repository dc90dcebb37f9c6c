#include "periodfile/PayrollSample.h"

#include "periodfile/Sqlite.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace periodfile {

namespace {

// Both payslip tables have the same columns but for the pay date.
void createPayslipTable(sqlite3* db, const std::string& table, const std::string& payDate, const std::string& view)
{
    const std::string create = "CREATE TABLE \"" + table
        + "\" (\"社員コード\" TEXT, \"氏名\" TEXT, \"雇用形態\" SMALLINT, \"" + payDate
        + "\" DATE, \"明細支給27\" INTEGER, \"明細控除8\" INTEGER, \"明細控除6\" INTEGER,"
          " \"明細控除10\" INTEGER, \"児童手当拠出金\" INTEGER)";
    sqlite::exec(db, create);
    const std::string query =
        "CREATE VIEW \"" + view + "\" AS SELECT * FROM \"" + table + "\" ORDER BY \"" + payDate + "\", \"社員コード\"";
    sqlite::exec(db, query);
}

void insertPayslips(sqlite3* db, const std::string& table, const std::string& payDate,
                    const std::vector<Payslip>& payslips)
{
    const std::string sql = "INSERT INTO \"" + table + "\" (\"社員コード\", \"氏名\", \"雇用形態\", \"" + payDate
        + "\", \"明細支給27\", \"明細控除8\", \"明細控除6\", \"明細控除10\", \"児童手当拠出金\")"
          " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";
    sqlite::Statement statement(db, sql);
    auto amount = [](const std::optional<long long>& value) -> sqlite::Value {
        if (value)
            return std::int64_t{*value};
        return std::monostate{};
    };
    for (const Payslip& p : payslips) {
        statement.reset();
        statement.bind(1, p.employeeCode);
        statement.bind(2, p.name);
        statement.bind(3, std::int64_t{p.employment});
        statement.bind(4, p.payDate);
        statement.bind(5, amount(p.gross));
        statement.bind(6, amount(p.deduction8));
        statement.bind(7, amount(p.deduction6));
        statement.bind(8, amount(p.deduction10));
        statement.bind(9, amount(p.childContribution));
        statement.run();
    }
}

// The staff and what each is paid every month.
struct Staff {
    const char* code;
    const char* name;
    int employment;
    long long gross, socialInsurance, incomeTax, residentTax, childContribution;
};

constexpr Staff kStaff[] = {
    {"E001", "佐藤　一郎", 1, 600'000, 85'000, 40'000, 35'000, 2'100},
    {"E002", "佐藤　花子", 1, 400'000, 57'000, 15'000, 22'000, 1'400},
    {"E003", "高橋　健", 2, 300'000, 43'000, 7'000, 15'000, 1'080},
    {"E004", "田中　美咲", 2, 250'000, 36'000, 5'000, 12'000, 900},
    {"E005", "伊藤　大輔", 3, 220'000, 31'000, 4'000, 0, 790},
    {"E006", "渡辺　陽子", 4, 90'000, 0, 0, 0, 0},
    {"E007", "山本　翔太", 5, 70'000, 0, 1'000, 0, 0},
};

// Salaries are paid on the 25th: the month before the period (the previous
// period's last salary, still in the payroll file) and the twelve months of the
// sample period. The part-timer E006 works less in August.
constexpr const char* kSalaryDates[] = {"2025-03-25", "2025-04-25", "2025-05-25", "2025-06-25", "2025-07-25",
                                        "2025-08-25", "2025-09-25", "2025-10-25", "2025-11-25", "2025-12-25",
                                        "2026-01-25", "2026-02-25", "2026-03-25"};

struct Bonus {
    const char* code;
    long long gross, socialInsurance, incomeTax, childContribution;
};

constexpr Bonus kBonuses[] = {
    {"E001", 1'000'000, 150'000, 100'000, 3'600}, {"E002", 600'000, 90'000, 60'000, 2'160},
    {"E003", 500'000, 75'000, 30'000, 1'800},     {"E004", 400'000, 60'000, 20'000, 1'440},
    {"E005", 300'000, 45'000, 12'000, 1'080},
};

const Staff& staffOf(const char* code)
{
    for (const Staff& s : kStaff)
        if (std::string(s.code) == code)
            return s;
    throw std::logic_error("unknown staff code");
}

void writePathFile(const std::filesystem::path& folder, const std::string& payrollFile)
{
    const std::filesystem::path pathFile = folder / std::string(kPayrollPathFileName);
    std::ofstream out(pathFile, std::ios::binary | std::ios::trunc);
    out << payrollFile << "\r\n";
    out.close();
    if (!out)
        throw std::runtime_error("「" + pathFile.string() + "」を書けませんでした");
}

}  // namespace

void writePayrollFile(const std::string& path, const std::vector<Payslip>& salaries,
                      const std::vector<Payslip>& bonuses)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        throw std::runtime_error("給与データベース「" + path + "」はすでにあります");
    try {
        sqlite::Connection db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        sqlite::Transaction transaction(db.get());
        createPayslipTable(db.get(), "給与明細", "給与支給年月日", "Q_給与明細書");
        createPayslipTable(db.get(), "賞与明細", "賞与支給年月日", "Q_賞与明細書");
        insertPayslips(db.get(), "給与明細", "給与支給年月日", salaries);
        insertPayslips(db.get(), "賞与明細", "賞与支給年月日", bonuses);
        transaction.commit();
    } catch (const std::exception& e) {
        std::filesystem::remove(path, error);
        throw std::runtime_error("給与データベース「" + path + "」を作れませんでした：" + e.what());
    }
}

std::vector<Payslip> samplePayrollSalaries()
{
    std::vector<Payslip> payslips;
    for (const char* date : kSalaryDates) {
        for (const Staff& s : kStaff) {
            long long gross = s.gross;
            if (std::string(s.code) == "E006" && std::string(date) == "2025-08-25")
                gross = 60'000;
            payslips.push_back({date, s.code, s.name, s.employment, gross, s.socialInsurance, s.incomeTax,
                                s.residentTax, s.childContribution});
        }
    }
    return payslips;
}

std::vector<Payslip> samplePayrollBonuses()
{
    // Summer and winter bonuses. Resident tax is not taken from a bonus: the
    // payroll program leaves 明細控除10 empty. The part-timer E006 gets a small bonus.
    std::vector<Payslip> payslips;
    for (const char* date : {"2025-07-10", "2025-12-10"}) {
        for (const Bonus& b : kBonuses) {
            const Staff& s = staffOf(b.code);
            payslips.push_back({date, s.code, s.name, s.employment, b.gross, b.socialInsurance, b.incomeTax,
                                std::nullopt, b.childContribution});
        }
        const Staff& partTimer = staffOf("E006");
        const long long gross = std::string(date) == "2025-07-10" ? 30'000 : 50'000;
        payslips.push_back({date, partTimer.code, partTimer.name, partTimer.employment, gross, 0, 0, std::nullopt, 0});
    }
    return payslips;
}

std::string createPayrollSample(const std::string& dir)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error)
        throw std::runtime_error("フォルダ「" + dir + "」を作れませんでした：" + error.message());
    const std::filesystem::path folder = std::filesystem::absolute(dir).lexically_normal();
    std::string path = (folder / std::string(kPayrollSampleFileName)).string();
    writePayrollFile(path, samplePayrollSalaries(), samplePayrollBonuses());
    try {
        writePathFile(folder, path);
    } catch (...) {
        std::filesystem::remove(path, error);
        throw;
    }
    return path;
}

}  // namespace periodfile
