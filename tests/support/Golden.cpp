#include "support/Golden.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::filesystem::path GoldenPath(const std::string& name)
{
    return std::filesystem::path(VELMORA_TESTS_DIR) / name;
}

std::vector<std::string> ReadGolden(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("no golden file " + file.string());
    std::stringstream content;
    content << in.rdbuf();
    const std::string text = content.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            throw std::runtime_error("golden file " + file.string() + " does not end with a newline");
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void WriteGolden(const std::filesystem::path& file, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (line.find('\n') != std::string::npos)
            throw std::runtime_error("a golden line holds a newline: " + line);
        text += line + '\n';
    }
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write golden file " + file.string());
}

std::string GoldenDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    std::ostringstream diff;
    const std::size_t lines = std::max(expected.size(), actual.size());
    for (std::size_t i = 0; i < lines; ++i) {
        const bool inExpected = i < expected.size();
        const bool inActual = i < actual.size();
        if (inExpected && inActual && expected[i] == actual[i])
            continue;
        diff << "line " << i + 1 << ":\n";
        diff << "  expected: " << (inExpected ? "\"" + expected[i] + "\"" : "(no line)") << '\n';
        diff << "  actual:   " << (inActual ? "\"" + actual[i] + "\"" : "(no line)") << '\n';
    }
    if (expected.size() != actual.size())
        diff << expected.size() << " lines expected, " << actual.size() << " got\n";
    return diff.str();
}

::testing::AssertionResult MatchesGolden(const std::vector<std::string>& actual, const std::string& name)
{
    const std::filesystem::path file = GoldenPath(name);
    const char* update = std::getenv("VELMORA_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        WriteGolden(file, actual);
        return ::testing::AssertionSuccess() << "rewrote " << file.string();
    }
    std::vector<std::string> expected;
    try {
        expected = ReadGolden(file);
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << e.what() << " (VELMORA_UPDATE_GOLDEN=1 writes it)";
    }
    const std::string diff = GoldenDiff(expected, actual);
    if (diff.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "differs from " << file.string() << ":\n" << diff;
}

}  // namespace testsupport
