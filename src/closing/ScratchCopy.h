#pragma once
// The scratch file of the data folder that the rolled-forward copy of a
// period file is written to (dao::Database::WriteCompactedTo), and putting it
// in place.
//
// A scratch file is named after the file it will become, "<name>.tmp-XXXXXX"
// (the start window lists only names that end in "期.mdb"), and is held by
// this process (an flock of its own, apart from the database engine's locks)
// for as long as it exists; a scratch file that no process holds is a leftover
// of a rollover that was cut off, and the next rollover to the same name
// removes it.

#include "platform/dao/DatabaseCopy.h"

#include <string>

namespace closing {

using dao::CopyFailure;
using dao::DatabaseErrorReason;
using dao::FileErrorReason;

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

}  // namespace closing
