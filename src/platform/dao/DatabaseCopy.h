#pragma once
// Copying a whole database file through SQLite's online backup: one
// consistent state of the source, whatever other connections of this or
// another program do with it, read through a read-only connection so the
// source is never written. With why a copy, or a file step around it, failed
// in the user's words.

#include <stdexcept>
#include <string>

struct sqlite3;

namespace dao {

// A step of a copy that failed: which file, whether it was being read (the
// source) or written, and why, in the user's words.
class CopyFailure : public std::runtime_error {
public:
    CopyFailure(std::string path, bool reading, std::string reason);
    const std::string& path() const { return m_path; }
    bool reading() const { return m_reading; }
    const std::string& reason() const { return m_reason; }

private:
    std::string m_path;
    bool m_reading;
    std::string m_reason;
};

// Why a file could not be written or read, from the system's error number:
// "ディスクの空きが足りません", "書き込む権限がありません", ...
std::string FileErrorReason(int systemError);

// The same from an SQLite result code and the system error SQLite saw (0 when
// it saw none).
std::string DatabaseErrorReason(int resultCode, int systemError);

// Copies the database at `sourcePath` into the empty database `target` (the
// database layer's own: Workspace::OpenScratchCopy), named `targetName` in
// messages. A source that another program holds is waited for as long as the
// database layer waits (DBEngine::busyWait). The copy is a setup step of the
// failure plan (FailurePlan::Kind::SetupFails). Throws CopyFailure: reading
// the source, or writing `targetName`.
void CopyDatabaseInto(sqlite3* target, const std::string& targetName, const std::string& sourcePath);

}  // namespace dao
