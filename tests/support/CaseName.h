#pragma once
// Parameterised tests take a table of cases, each a struct with a `name`: the
// test list names every case by it, and gtest prints the name, never the bytes
// of the case's other fields (each case struct has a PrintTo that prints its
// name, so results stay short and the same from one build to the next).

#include <cctype>
#include <string>
#include <string_view>

namespace testsupport {

// A case's name as a test name: its words joined, each from a capital
// ("deposit account in row 4" gives "DepositAccountInRow4"); only ASCII
// letters and digits are kept.
inline std::string TestNameOf(std::string_view name)
{
    std::string result;
    bool wordStart = true;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 128 && std::isalnum(u)) {
            result += wordStart ? static_cast<char>(std::toupper(u)) : c;
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
    return result;
}

// The name generator of INSTANTIATE_TEST_SUITE_P.
inline constexpr auto kCaseName = [](const auto& test) { return TestNameOf(test.param.name); };

}  // namespace testsupport
