#include "closing/Form37.h"

#include "frame/WindowRegistry.h"

namespace closing {

Form37::Form37()
{
    resize(640, 400);
    openPeriodFile();
    SettingsRecordset = openRecordset("会計設定");
    requireSettingsRow(*SettingsRecordset);
    SetFormCaption(*SettingsRecordset, "年次更新");
}

}  // namespace closing

void registerClosingWindows()
{
    frame::WindowRegistry::instance().add("Form37", [] { return static_cast<QWidget*>(new closing::Form37()); });
}
