#pragma once
// "wjDBPath.txt" in the start directory: its first line is the full path of the
// payroll program's database.

#include <optional>
#include <string>

namespace journal {

struct PayrollPath {
    std::string path;                  // the first line, without its line end
    std::optional<std::string> error;  // the message when there is no usable path
};

// ReadPayrollDbPath: reads the first line of "wjDBPath.txt" in `startDir`.
// A missing file, or an empty first line, gives a message instead.
PayrollPath ReadPayrollDbPath(const std::string& startDir);

}  // namespace journal
