#pragma once
// Copying a period file through the database engine into a scratch file of
// the data folder, and putting the copy in place. The copy is made by
// SQLite's online backup: one consistent state of the source, whatever other
// connections of this or another program do with it, read through a
// read-only connection so the source is never written.
//
// A scratch file is named after the file it will become, "<name>.tmp-XXXXXX"
// (the start window lists only names that end in "期.mdb"), and is held by
// this process (an flock of its own, apart from the database engine's locks)
// for as long as it exists; a scratch file that no process holds is a leftover
// of a rollover that was cut off, and the next rollover to the same name
// removes it.

#include <stdexcept>
#include <string>

namespace closing {

// A step of the copy that failed: which file, whether it was being read (the
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

// The scratch file of the next period's file `targetName` in `folder`.
class ScratchCopy {
public:
    // Makes the empty file, with the permissions a new file of this process
    // gets (its umask), and holds it. Throws CopyFailure naming the folder.
    ScratchCopy(const std::string& folder, const std::string& targetName);
    // Removes the file unless it was put in place.
    ~ScratchCopy();
    ScratchCopy(const ScratchCopy&) = delete;
    ScratchCopy& operator=(const ScratchCopy&) = delete;

    const std::string& path() const { return m_path; }

    // Writes the file to the disk, renames it to `targetPath` in one step (an
    // existing file is replaced) and writes the folder's entry to the disk.
    // Throws CopyFailure naming `targetPath`.
    void moveInto(const std::string& targetPath);

private:
    std::string m_path;
    int m_fd = -1;
    bool m_placed = false;
};

// Removes the scratch files of `targetName` in `folder` that no process
// holds. Never throws; a file it cannot remove stays.
void RemoveLeftoverCopies(const std::string& folder, const std::string& targetName);

// Copies the database at `sourcePath` over the (empty) file `targetPath`, a
// scratch file: it is written without a journal and without waiting for the
// disk (ScratchCopy::moveInto writes it to the disk before it is put in place).
// A source that another program holds is waited for as long as the database
// layer waits (DBEngine::busyWait). Throws CopyFailure: reading the source,
// or writing `targetPath`.
void BackupDatabase(const std::string& sourcePath, const std::string& targetPath);

}  // namespace closing
