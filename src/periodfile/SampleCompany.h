#pragma once
// The sample company: a trading company's prepared period file with a year of
// bookkeeping in it (partners, bank accounts, opening balances, fixed assets,
// a lease, journal templates with the payroll templates, and vouchers), made
// the same way every time.

#include <string>
#include <string_view>

namespace periodfile {

inline constexpr std::string_view kSampleCompanyName = "サンプル商事";
inline constexpr int kSamplePeriod = 10;
inline constexpr std::string_view kSampleFirstDay = "2025-04-01";
inline constexpr std::string_view kSampleFileName = "サンプル商事第10期.mdb";

// Makes the folder `dir` when needed, creates the period file
// "サンプル商事第10期.mdb" there and fills it, writes "QVDBPATH.txt" in `dir`
// (the file's full path, UTF-8, one line ending in CR LF) and returns that
// path. Refuses (std::runtime_error, Japanese message) when the period file is
// already there; on any other failure no period file is left behind.
std::string createSampleCompany(const std::string& dir);

}  // namespace periodfile
