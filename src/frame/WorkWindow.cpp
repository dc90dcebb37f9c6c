#include "frame/WorkWindow.h"

#include "common/FormCaption.h"
#include "common/o.h"
#include "common/StoredRows.h"

namespace frame {

QString toQ(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string fromQ(const QString& text)
{
    return text.toStdString();
}

WorkWindow::WorkWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
}

void WorkWindow::openPeriodFile()
{
    o::OpenCompanyDb();
}

std::unique_ptr<dao::Recordset> WorkWindow::openRecordset(const std::string& source, dao::RecordsetType type)
{
    if (!o::CompanyDb)
        throw dao::DaoError(dao::DaoError::Code::General, "期ファイルが開かれていません");
    return o::CompanyDb->OpenRecordset(source, type);
}

void WorkWindow::openEraRecordset()
{
    o::OpenEraRecordset();
}

void WorkWindow::requireSettingsRow(dao::Recordset& settings)
{
    o::RequireSettingsRow(settings, o::DbFilePath);
}

void WorkWindow::requireReadableRows(dao::Recordset& rows)
{
    o::RequireReadableRows(rows);
}

void WorkWindow::SetFormCaption(dao::Recordset& settings, const std::string& title)
{
    SetCaption(o::SetFormCaption(settings, title));
}

void WorkWindow::SetCaption(const std::string& text)
{
    setWindowTitle(toQ(text));
}

}  // namespace frame
