#include "setup/SetupFixture.h"

#include <stdexcept>

namespace setuptest {

void AddRow(dao::Database& db, const std::string& source, Fields fields)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Dynaset);
    rs->AddNew();
    for (const auto& [name, value] : fields)
        rs->set(name, value);
    rs->Update();
}

namespace {

std::unique_ptr<dao::Recordset> rowOf(dao::Database& db, const std::string& source, const std::string& keyField,
                                      const dao::Value& key)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Dynaset);
    if (rs->isEmpty())
        return nullptr;
    rs->MoveFirst();
    rs->FindFirst(keyField, key);
    return rs->NoMatch() ? nullptr : std::move(rs);
}

}  // namespace

void SetFields(dao::Database& db, const std::string& source, const std::string& keyField, const dao::Value& key,
               Fields fields)
{
    auto rs = rowOf(db, source, keyField, key);
    if (!rs)
        throw std::runtime_error("no row " + key.toText() + " in " + source);
    rs->Edit();
    for (const auto& [name, value] : fields)
        rs->set(name, value);
    rs->Update();
}

dao::Value FieldOf(dao::Database& db, const std::string& source, const std::string& keyField, const dao::Value& key,
                   const std::string& field)
{
    auto rs = rowOf(db, source, keyField, key);
    return rs ? rs->get(field) : dao::Value();
}

dao::Value Setting(dao::Database& db, const std::string& field)
{
    auto rs = db.OpenRecordset("会計設定", dao::RecordsetType::Snapshot);
    rs->MoveFirst();
    return rs->get(field);
}

std::string DumpWrittenTables(dao::Database& db)
{
    std::string all;
    for (const char* source :
         {"会計設定", "Q_勘定科目コード表", "Q_勘定科目コード表2", "Q_取引銀行", "Q_取引先管理", "Q_固定資産台帳",
          "Q_リース資産管理", "Q_仕訳台帳", "Q_仕訳変更履歴", "Q_仕訳定型台帳", "Q_消費税率"})
        all += std::string("== ") + source + "\n" + DumpRows(db, source);
    return all;
}

}  // namespace setuptest
