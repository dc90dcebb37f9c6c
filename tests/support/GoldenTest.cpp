// The golden-file helper: a file read back is the lines written, blanks and
// empty lines included; any difference fails and the message names each
// differing line with both sides quoted; a missing file fails; with
// VELMORA_UPDATE_GOLDEN=1 the file is rewritten from what the test got.
#include "support/CaseName.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using testsupport::GoldenDiff;
using testsupport::MatchesGolden;
using testsupport::ReadGolden;
using testsupport::WriteGolden;

// A folder of its own, removed with everything in it afterwards.
class GoldenFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        dir = std::filesystem::temp_directory_path() / ("velmora-golden-" + std::to_string(random()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        unsetenv("VELMORA_UPDATE_GOLDEN");
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string fileText(const std::filesystem::path& file) const
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path dir;
};

TEST_F(GoldenFolder, WrittenLinesReadBackAsTheyWereBlanksAndEmptyLinesIncluded)
{
    const std::vector<std::string> lines = {"（資産の部）", "", " ", "  現金預金   9,070", ""};
    const auto file = dir / "a.txt";
    WriteGolden(file, lines);
    EXPECT_EQ(fileText(file), "（資産の部）\n\n \n  現金預金   9,070\n\n");
    EXPECT_EQ(ReadGolden(file), lines);
    EXPECT_TRUE(MatchesGolden(lines, file.string()));
}

TEST_F(GoldenFolder, AMissingFileFailsAndSaysHowToWriteIt)
{
    const auto result = MatchesGolden({"a"}, (dir / "none.txt").string());
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("VELMORA_UPDATE_GOLDEN=1"), std::string::npos) << result.message();
}

TEST_F(GoldenFolder, AFileWithoutItsLastNewlineIsRefused)
{
    std::ofstream(dir / "cut.txt", std::ios::binary) << "a\nb";
    EXPECT_FALSE(MatchesGolden({"a", "b"}, (dir / "cut.txt").string()));
}

TEST_F(GoldenFolder, UpdateModeRewritesTheFileFromWhatTheTestGot)
{
    const auto file = dir / "b.txt";
    WriteGolden(file, {"old"});
    setenv("VELMORA_UPDATE_GOLDEN", "1", 1);
    EXPECT_TRUE(MatchesGolden({"new", ""}, file.string()));
    unsetenv("VELMORA_UPDATE_GOLDEN");
    EXPECT_EQ(fileText(file), "new\n\n");
    EXPECT_FALSE(MatchesGolden({"old"}, file.string()));
}

TEST_F(GoldenFolder, AnotherValueOfTheVariableOnlyCompares)
{
    const auto file = dir / "c.txt";
    WriteGolden(file, {"old"});
    setenv("VELMORA_UPDATE_GOLDEN", "0", 1);
    EXPECT_FALSE(MatchesGolden({"new"}, file.string()));
    EXPECT_EQ(fileText(file), "old\n");
}

struct DiffCase {
    const char* name;
    std::vector<std::string> expected;
    std::vector<std::string> actual;
    std::string diff;
};
void PrintTo(const DiffCase& c, std::ostream* os)
{
    *os << c.name;
}

class GoldenDifference : public ::testing::TestWithParam<DiffCase> {};

TEST_P(GoldenDifference, NamesEachDifferingLineWithBothSidesQuoted)
{
    const DiffCase& c = GetParam();
    EXPECT_EQ(GoldenDiff(c.expected, c.actual), c.diff);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoldenDifference,
    ::testing::Values(
        DiffCase{"same lines", {"a", "", " "}, {"a", "", " "}, ""},
        DiffCase{
            "one line differs", {"a", "b", "c"}, {"a", "B", "c"}, "line 2:\n  expected: \"b\"\n  actual:   \"B\"\n"},
        DiffCase{
            "a blank is not an empty line", {"x", " "}, {"x", ""}, "line 2:\n  expected: \" \"\n  actual:   \"\"\n"},
        DiffCase{"a line more",
                 {"a"},
                 {"a", "b"},
                 "line 2:\n  expected: (no line)\n  actual:   \"b\"\n1 lines expected, 2 got\n"},
        DiffCase{"a line less",
                 {"a", "b"},
                 {"a"},
                 "line 2:\n  expected: \"b\"\n  actual:   (no line)\n2 lines expected, 1 got\n"}),
    testsupport::kCaseName);

}  // namespace
