#pragma once
// What every tab of the setup window has in common: the period file's
// recordsets it reads (the window's, shared by all tabs), its fields' exit
// handlers run through the window's one guard, its lists of records with the
// key and fingerprint of each line, and its way of refusing and reporting.
//
// A register's list line is used by the key of its record, found again and
// refused when it changed or vanished since it was shown; each change is one
// transaction, after which the register's recordset is opened again and its
// list refilled.

#include "frame/CellExitGuard.h"
#include "setup/SetupRecordsets.h"
#include "setup/ShownRecords.h"

#include <QListWidget>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;

namespace setup {

class SetupTab : public QWidget {
    Q_OBJECT
public:
    SetupTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    // Edit mode: the inputs that would not store are usable only while it is on.
    virtual void setInputsUsable(bool usable) = 0;

    // The key of each line of one of the tab's lists, and what the record of
    // each line held when it was shown (RecordFingerprint); empty for a list
    // of another tab.
    const std::vector<std::string>& lineKeys(const QListWidget* list) const;
    const std::vector<std::string>& lineFingerprints(const QListWidget* list) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Runs the field's exit handler when it is left, and selects its text
    // when it is entered.
    void watchFocus(QWidget* w);
    virtual void controlLeft(QObject*) {}
    // Whether entering a field selects its whole text: a text box while edit
    // mode is on, a combo box never unless the tab says so.
    virtual bool textSelectsOnEntry(const QLineEdit* text) const;
    virtual bool comboSelectsOnEntry(const QComboBox* combo) const;

    dao::Workspace& workspace() { return *m_file.workspace; }
    dao::Database& database() { return *m_file.database; }

    void refuse(const std::string& message);
    void reportFailure(const std::string& what, const std::exception& e);
    // After a failure that reportFailure has said: `refresh` shows the file as
    // it is. While another program still holds the file, the action's wait is
    // spent and the lists stay as they were: the one message said why.
    void refreshAfterFailure(const std::function<void()>& refresh);

    // Fields of the settings row stored in one write; false: failed and said so.
    bool storeSetting(const std::string& field, const dao::Value& value);
    bool storeSettings(const std::vector<std::pair<std::string, dao::Value>>& fields, const std::string& what);

    // Fills a list, one line and key per row, and keeps each row's fingerprint
    // of the fields its register compares.
    void fillList(QListWidget* list, dao::Recordset& rs, const ComparedFields& compared,
                  const std::function<std::pair<std::string, std::string>(dao::Recordset&)>& line);
    void clearList(QListWidget* list);
    // The selected line of a list, -1 when none is.
    static int chosenLine(const QListWidget* list);
    ShownLine shownLine(const QListWidget* list, int line) const;
    // The chosen line's record found again in `rs` (which is left on it); nullopt
    // when no line is chosen, or after a message and `refresh` when the record
    // changed or vanished since the line was shown.
    std::optional<ShownLine> chosenRecord(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                          const char* what, const std::function<void()>& refresh);

    SetupRecordsets& m_file;

private:
    void controlEntered(QObject* control);

    frame::CellExitGuard& m_cellExits;
    std::map<const QListWidget*, std::vector<std::string>> m_keys;
    std::map<const QListWidget*, std::vector<std::string>> m_prints;
    std::map<const QListWidget*, ComparedFields> m_compared;
};

}  // namespace setup
