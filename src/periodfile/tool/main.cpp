// velmora-periodfile: prepares and checks period files.
//   create FILE --company NAME --period N --from YYYY-MM-DD
//   check FILE
//   sample DIR
//   payroll-sample DIR

#include "periodfile/PeriodFileCheck.h"
#include "periodfile/PeriodFileCreator.h"
#include "periodfile/PayrollSample.h"
#include "periodfile/SampleCompany.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "使い方:\n"
                 "  velmora-periodfile create FILE --company NAME --period N --from YYYY-MM-DD\n"
                 "  velmora-periodfile check FILE\n"
                 "  velmora-periodfile sample DIR\n"
                 "  velmora-periodfile payroll-sample DIR\n";
    return 2;
}

bool parsePeriod(const std::string& text, int& period)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, period);
    return ec == std::errc() && ptr == end;
}

int create(const std::vector<std::string>& args)
{
    if (args.empty())
        return usage();
    const std::string& path = args[0];
    periodfile::NewPeriod settings;
    bool hasCompany = false, hasPeriod = false, hasFrom = false;
    for (size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usage();
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--company") {
            settings.company = value;
            hasCompany = true;
        } else if (option == "--period") {
            if (!parsePeriod(value, settings.period)) {
                std::cerr << "期「" << value << "」は数ではありません\n";
                return 2;
            }
            hasPeriod = true;
        } else if (option == "--from") {
            settings.firstDay = value;
            hasFrom = true;
        } else {
            return usage();
        }
    }
    if (!hasCompany || !hasPeriod || !hasFrom)
        return usage();

    const std::string expectedEnding = "第" + std::to_string(settings.period) + "期.mdb";
    const std::string fileName = std::filesystem::path(path).filename().string();
    if (fileName.size() < expectedEnding.size()
        || fileName.compare(fileName.size() - expectedEnding.size(), expectedEnding.size(), expectedEnding) != 0)
        std::cerr << "注意: 期ファイルの名前は「…" << expectedEnding
                  << "」の形にしてください（開始画面の一覧に出ません）\n";

    try {
        periodfile::createPeriodFile(path, settings);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cout << "期ファイル「" << path << "」を作りました\n";
    return 0;
}

int check(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    const periodfile::CheckResult result = periodfile::checkPeriodFile(args[0]);
    if (!result.opened) {
        std::cerr << result.openError << "\n";
        return 1;
    }
    for (const std::string& problem : result.problems)
        std::cout << problem << "\n";
    if (!result.problems.empty()) {
        std::cout << "期ファイル「" << args[0] << "」に足りないものが " << result.problems.size() << " 件あります\n";
        return 1;
    }
    std::cout << "期ファイル「" << args[0] << "」には必要なテーブル、クエリ、フィールドがすべてあります\n";
    return 0;
}

int sample(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    try {
        const std::string path = periodfile::createSampleCompany(args[0]);
        std::cout << "見本の期ファイル「" << path << "」を作りました\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}

int payrollSample(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    try {
        const std::string path = periodfile::createPayrollSample(args[0]);
        std::cout << "見本の給与データベース「" << path << "」を作りました\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "create")
        return create(args);
    if (command == "check")
        return check(args);
    if (command == "sample")
        return sample(args);
    if (command == "payroll-sample")
        return payrollSample(args);
    return usage();
}
