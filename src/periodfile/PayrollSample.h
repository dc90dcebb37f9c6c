#pragma once
// The payroll program's database as this system reads it: an SQLite file with
// the payslip tables 給与明細 and 賞与明細 and the saved queries Q_給与明細書 and
// Q_賞与明細書 over them (in pay-date order). The sample payroll file holds the
// sample company's payslips: a year of monthly salaries for two officers, three
// employees and two part-timers (and the month before the period), and two
// bonuses; it is made the same way every time.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace periodfile {

inline constexpr std::string_view kPayrollSampleFileName = "サンプル商事給与.mdb";
// The one-line file in the start directory that names the payroll database.
inline constexpr std::string_view kPayrollPathFileName = "wjDBPath.txt";

// One payslip. An amount without a value is stored as NULL.
struct Payslip {
    std::string payDate;                         // 給与支給年月日 / 賞与支給年月日, "YYYY-MM-DD"
    std::string employeeCode;                    // 社員コード
    std::string name;                            // 氏名
    int employment = 0;                          // 雇用形態: 1 officer, 2/3 employee, 4/5 part-timer
    std::optional<long long> gross;              // 明細支給27
    std::optional<long long> deduction8;         // 明細控除8 (social insurance)
    std::optional<long long> deduction6;         // 明細控除6 (income tax)
    std::optional<long long> deduction10;        // 明細控除10 (resident tax)
    std::optional<long long> childContribution;  // 児童手当拠出金
};

// Creates a payroll file at `path` holding these payslips. Refuses
// (std::runtime_error, Japanese message) when the file already exists; on any
// other failure no file is left behind.
void writePayrollFile(const std::string& path, const std::vector<Payslip>& salaries,
                      const std::vector<Payslip>& bonuses);

// The sample company's payslips.
std::vector<Payslip> samplePayrollSalaries();
std::vector<Payslip> samplePayrollBonuses();

// Makes the folder `dir` when needed, writes the sample payroll file
// "サンプル商事給与.mdb" there and "wjDBPath.txt" naming it (the full path,
// UTF-8, one line ending in CR LF), and returns the path. Refuses when the
// payroll file is already there.
std::string createPayrollSample(const std::string& dir);

}  // namespace periodfile
