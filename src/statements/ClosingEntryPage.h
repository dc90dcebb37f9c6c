#pragma once
// The closing-entry tab "決算仕訳入力" as the closing window hosts it. The tab
// itself (its grid, its closing lists, its buttons and their recordsets) is
// built by the closing window library, which hands its maker to the window at
// start-up; the window shows it as its first tab, dispatches the tab's buttons
// to it and gives it its part of the refresh and of the print run.

#include "platform/dao/Value.h"
#include "statements/StatementPrint.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QPushButton;

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace statements {

class ClosingEntryPage : public QWidget {
public:
    using QWidget::QWidget;

    // The tab's buttons, by their index of the window's Command1.
    virtual const std::map<int, QPushButton*>& buttons() const = 0;
    // One of those buttons pressed.
    virtual void Press(int button) = 0;
    // The window's refresh: the tax status line over the grid shows `taxStatus`;
    // the grid is emptied, the closing date boxes show `periodEnd` and both
    // closing lists are read again.
    virtual void Refresh(const std::string& taxStatus, const dao::Value& periodEnd) = 0;
    // True while the file holds no closing entry.
    virtual bool NoClosingEntries() = 0;
    // The printed list of the closing entries, under the page header the
    // window makes for a title.
    virtual void PrintClosingEntries(const std::function<StatementHeader(const char* title)>& header) = 0;
};

using ClosingEntryPageMaker =
    std::function<std::unique_ptr<ClosingEntryPage>(std::shared_ptr<dao::Workspace>, std::shared_ptr<dao::Database>)>;

// The maker the closing window builds its first tab with; set once at start-up.
void SetClosingEntryPageMaker(ClosingEntryPageMaker maker);
const ClosingEntryPageMaker& ClosingEntryPageMakerInUse();

}  // namespace statements
