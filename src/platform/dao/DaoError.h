#pragma once
#include <stdexcept>
#include <string>

namespace dao {

// Every failure of the database layer is a DaoError whose message says in the
// user's words what happened and names what failed: the file, the table, the
// row and the field. The text is Japanese, ready to be shown to the user.
// Busy: another program holds the file; nothing was written, and the same
// action may be tried again.
class DaoError : public std::runtime_error {
public:
    enum class Code {
        General,
        NotAPeriodFile,
        CannotOpen,
        NoSuchObject,
        NoSuchField,
        ReadOnly,
        TypeMismatch,
        Overflow,
        NoCurrentRecord,
        WriteFailed,
        DiskFull,
        Syntax,
        Busy
    };
    DaoError(Code code, const std::string& message) : std::runtime_error(message), m_code(code) {}
    Code code() const { return m_code; }
private:
    Code m_code;
};

}  // namespace dao
