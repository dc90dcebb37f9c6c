#pragma once
#include <string>

namespace journal::testing {

// Names the cases of a table "Case0", "Case1", ... in the test list.
inline constexpr auto kCaseName = [](const auto& testInfo) { return "Case" + std::to_string(testInfo.index); };

}  // namespace journal::testing
