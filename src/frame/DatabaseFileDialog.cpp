#include "frame/DatabaseFileDialog.h"

#include "common/DatabasePath.h"
#include "common/o.h"
#include "frame/SavedPathFile.h"
#include "platform/ui/Dialogs.h"

namespace o {

std::int16_t ChooseDatabaseFile()
{
    ui::FileOpenRequest request;
    request.filter = std::string(kPeriodFileFilter);
    request.title = "データベース設定";
    request.fileName = PathFileName;
    request.initialDir = DataFolder;
    request.fileMustExist = true;

    const ui::FileOpenResult result = ui::dialogs().openFile(request);
    switch (result.status) {
    case ui::FileOpenResult::Status::Cancelled: return 0;
    case ui::FileOpenResult::Status::Failed: return -1;
    case ui::FileOpenResult::Status::Chosen: break;
    }
    if (result.path.empty())
        return 0;

    SplitDatabasePath(result.path);
    if (!frame::writeSavedPath(StartDir, SavedDbPath)) {
        ui::dialogs().messageBox("「" + frame::savedPathFile(StartDir) + "」に書き込めません。", ui::Buttons::Ok);
        return -1;
    }
    return 0;
}

}  // namespace o
