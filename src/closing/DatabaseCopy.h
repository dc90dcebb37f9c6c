#pragma once
// Copying a period file through the database engine, and putting the copy in
// place. The copy is made by SQLite's online backup: one consistent state of
// the source, whatever other connections of this or another program do with
// it, read through a read-only connection so the source is never written.

#include <string>

namespace closing {

// A new, empty file in `folder` whose name begins with `stem` and does not end
// in "期.mdb" (the start window never lists it), with the permissions of
// `likeFile`. Returns its path. Throws dao::DaoError when it cannot be made.
std::string CreateTemporaryFile(const std::string& folder, const std::string& stem, const std::string& likeFile);

// Copies the database at `sourcePath` over the (empty) file `targetPath`, a
// scratch file: it is written without a journal and without waiting for the
// disk (SyncFile writes it to the disk before it is put in place). Throws
// dao::DaoError naming the files when the copy fails.
void BackupDatabase(const std::string& sourcePath, const std::string& targetPath);

// Writes the file's data to the disk.
void SyncFile(const std::string& path);

// Renames `from` to `to` in one step (an existing `to` is replaced), then
// writes the folder's entry to the disk. Throws dao::DaoError on failure.
void MoveIntoPlace(const std::string& from, const std::string& to);

// Removes the file, if it is there; never throws.
void RemoveFileQuietly(const std::string& path);

}  // namespace closing
