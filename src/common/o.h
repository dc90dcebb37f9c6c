#pragma once
// The program-wide state: where the program started, which period file is
// current, the open workspace and database of that file, the era recordset and
// the edit-mode flag. One set per process; everything runs on the UI thread.

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <memory>
#include <string>

namespace o {

extern std::string StartDir;      // current directory when the start window loads
extern std::string SavedDbPath;   // the path kept in "QVDBPATH.txt"
extern std::string PathDrive;     // drive ("C:") or network share ("\\server\share"); "" for a POSIX path
extern std::string PathFolder;    // folder after PathDrive, no trailing separator
extern std::string PathFileName;  // file name after the last separator
extern std::string DataFolder;    // PathDrive + PathFolder: the folder of the period files
extern std::string DbFileName;    // file name of the current period file
extern std::string DbFilePath;    // the period file every work window opens when it loads

extern std::shared_ptr<dao::Workspace> DbWorkspace;   // the engine's first workspace
extern std::shared_ptr<dao::Database> CompanyDb;      // the period file at DbFilePath
extern std::shared_ptr<dao::Recordset> EraRecordset;  // dynaset on "Q_年号コード"

extern std::int16_t EditMode;  // 0 off, -1 on

constexpr std::int16_t EditModeOff = 0;
constexpr std::int16_t EditModeOn = -1;

// First two steps of every work window's load: DbWorkspace = the engine's first
// workspace, CompanyDb = the database at DbFilePath (replacing the previous
// handle). Throws dao::DaoError naming the file when it cannot be opened.
void OpenCompanyDb();

// Opens "Q_年号コード" on CompanyDb as a dynaset into EraRecordset.
void OpenEraRecordset();

// The full path of a file in DataFolder, joined with the separator DataFolder
// is written with ("\" for a drive or share path, "/" otherwise).
std::string PathInDataFolder(const std::string& fileName);

// Restores every global value to its start-of-program state (for tests).
void ResetGlobals();

}  // namespace o
