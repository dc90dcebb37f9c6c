#pragma once
#include <stdexcept>
#include <string>

namespace dao {

// Every failure of the database layer is a DaoError whose message names what
// failed: the file, the table or query, the field. The text is Japanese, ready
// to be shown to the user.
class DaoError : public std::runtime_error {
public:
    enum class Code { General, NotAPeriodFile, CannotOpen, NoSuchObject, NoSuchField, ReadOnly,
                      TypeMismatch, Overflow, NoCurrentRecord, WriteFailed, DiskFull, Syntax };
    DaoError(Code code, const std::string& message) : std::runtime_error(message), m_code(code) {}
    Code code() const { return m_code; }
private:
    Code m_code;
};

}  // namespace dao
