#include "common/o.h"

#include "common/DatabasePath.h"
#include "periodfile/SchemaNames.h"

namespace o {

std::string StartDir;
std::string SavedDbPath;
std::string PathDrive;
std::string PathFolder;
std::string PathFileName;
std::string DataFolder;
std::string DbFileName;
std::string DbFilePath;

std::shared_ptr<dao::Workspace> DbWorkspace;
std::shared_ptr<dao::Database> CompanyDb;
std::shared_ptr<dao::Recordset> EraRecordset;

std::int16_t EditMode = EditModeOff;

void OpenCompanyDb()
{
    DbWorkspace = dao::DBEngine::instance().Workspaces(0);
    CompanyDb = DbWorkspace->OpenDatabase(DbFilePath);
}

void OpenEraRecordset()
{
    EraRecordset = CompanyDb->OpenRecordset(schema::query::Eras, dao::RecordsetType::Dynaset);
}

std::string PathInDataFolder(const std::string& fileName)
{
    return JoinPath(DataFolder, fileName);
}

void ResetGlobals()
{
    StartDir.clear();
    SavedDbPath.clear();
    PathDrive.clear();
    PathFolder.clear();
    PathFileName.clear();
    DataFolder.clear();
    DbFileName.clear();
    DbFilePath.clear();
    EraRecordset.reset();
    CompanyDb.reset();
    DbWorkspace.reset();
    EditMode = EditModeOff;
}

}  // namespace o
