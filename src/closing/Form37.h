#pragma once
// The fiscal-year rollover window "年次更新": its load (the period file, the
// settings recordset, the caption).

#include "frame/WorkWindow.h"

#include <memory>

namespace closing {

class Form37 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form37();   // the load: throws dao::DaoError when the period file cannot be used

    std::unique_ptr<dao::Recordset> SettingsRecordset;   // 会計設定
};

}  // namespace closing

// Registers "Form37" with the window registry.
void registerClosingWindows();
