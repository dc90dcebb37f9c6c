#pragma once
// A long expected text kept in a file of its own under tests/ (UTF-8, one
// line per element, each ending in a newline) instead of spelled in the test.
// A difference fails with the lines that differ, both sides quoted so that
// blanks show. With VELMORA_UPDATE_GOLDEN=1 in the environment the file is
// written from what the test got instead (a deliberate change is one run);
// look at the file's diff before committing it.
//
//   EXPECT_TRUE(testsupport::MatchesGolden(report, "statements/golden/ProfitLossByClosingBalances.txt"));

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The file, by its path under tests/.
std::filesystem::path GoldenPath(const std::string& name);

std::vector<std::string> ReadGolden(const std::filesystem::path& file);
void WriteGolden(const std::filesystem::path& file, const std::vector<std::string>& lines);

// `actual` against the golden file, or the file rewritten from `actual`
// when VELMORA_UPDATE_GOLDEN=1.
::testing::AssertionResult MatchesGolden(const std::vector<std::string>& actual, const std::string& name);

// The lines that differ, numbered from 1, or "" when the two are the same.
std::string GoldenDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

}  // namespace testsupport
