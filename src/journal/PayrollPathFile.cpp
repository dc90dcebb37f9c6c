#include "journal/PayrollPathFile.h"

#include <filesystem>
#include <fstream>

namespace journal {

namespace {

std::string trimmed(std::string text)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)  // a byte-order mark some editors write
        text.erase(0, 3);
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    return text.substr(start);
}

}  // namespace

PayrollPath ReadPayrollDbPath(const std::string& startDir)
{
    PayrollPath result;
    const std::filesystem::path file = std::filesystem::path(startDir) / "wjDBPath.txt";
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.error = "給与データベースの場所を記したファイル「" + file.string() + "」がありません";
        return result;
    }
    std::string line;
    std::getline(in, line);
    result.path = trimmed(line);
    if (result.path.empty())
        result.error = "「" + file.string() + "」に給与データベースの場所が書かれていません";
    return result;
}

}  // namespace journal
