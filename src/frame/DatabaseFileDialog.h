#pragma once
// The database-file dialog of the start window.

#include <cstdint>

namespace o {

// The dialog's filters: the period files first, then every file.
inline constexpr const char* kPeriodFileFilter = "期ファイル (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*";

// Shows the file-open dialog for a period file, proposing PathFileName. A chosen
// file becomes SavedDbPath (split into PathDrive, PathFolder and PathFileName)
// and is written to "QVDBPATH.txt" in StartDir. Returns 0 when a file was chosen
// or the dialog was cancelled (nothing changes then), -1 when anything else
// failed (values already set stay).
std::int16_t ChooseDatabaseFile();

}  // namespace o
