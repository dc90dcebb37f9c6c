#pragma once
// Base of the windows that work on the current period file. A window's
// constructor is its load: it opens the period file (openPeriodFile), its
// recordsets (openRecordset), the era recordset where it needs it, and sets its
// caption. A failure throws dao::DaoError naming the file or the object; the
// window registry then reports it and shows no window.

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <string>

namespace frame {

QString toQ(const std::string& text);
std::string fromQ(const QString& text);

class WorkWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorkWindow(QWidget* parent = nullptr);

protected:
    // DbWorkspace = the engine's first workspace; CompanyDb = the file at DbFilePath.
    void openPeriodFile();
    // A table or saved query of CompanyDb.
    std::unique_ptr<dao::Recordset> openRecordset(const std::string& source,
                                                  dao::RecordsetType type = dao::RecordsetType::Dynaset);
    // "Q_年号コード" into the shared EraRecordset.
    void openEraRecordset();
    // Throws when the settings recordset has no row to read, or when that row
    // has no period number or no period dates (naming the row and the field).
    static void requireSettingsRow(dao::Recordset& settings);
    // Reads every field of every row once, so that a damaged stored value is
    // refused, by the file, table, row and field, before the window writes
    // anything. Leaves the recordset on its first row.
    static void requireReadableRows(dao::Recordset& rows);

    // The caption by the caption pattern from the settings row.
    void SetFormCaption(dao::Recordset& settings, const std::string& title);
    void SetCaption(const std::string& text);
};

}  // namespace frame
