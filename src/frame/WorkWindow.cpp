#include "frame/WorkWindow.h"

#include "common/FormCaption.h"
#include "common/o.h"
#include "periodfile/SchemaNames.h"

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
    if (settings.isEmpty())
        throw dao::DaoError(dao::DaoError::Code::NoCurrentRecord,
                            "期ファイル「" + o::DbFilePath + "」の「会計設定」に行がありません");
    settings.MoveFirst();
    // A row without its period opens no window: each would show and compute
    // from nothing (a settings row of nulls once opened them all).
    settings.getRequired(schema::column::PeriodNumber, "1 以上の期の番号");
    settings.getRequired(schema::column::PeriodStart, "会計期間の最初の日");
    settings.getRequired(schema::column::PeriodEnd, "会計期間の最後の日");
}

void WorkWindow::requireReadableRows(dao::Recordset& rows)
{
    if (rows.isEmpty())
        return;
    const std::vector<std::string> fields = rows.fieldNames();
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext())
        for (const std::string& field : fields)
            rows.get(field);
    rows.MoveFirst();
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
