#include "setup/SetupFixture.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace setuptest {

PeriodFile::PeriodFile()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-setup-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no temporary folder");
    m_dir = pattern;
    m_path = (m_dir / "テスト商事第12期.mdb").string();
    periodfile::createPeriodFile(m_path, {"テスト商事", 12, "2024-04-01"});
}

PeriodFile::~PeriodFile()
{
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
}

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

dao::Value FieldOf(dao::Database& db, const std::string& source, const std::string& keyField,
                   const dao::Value& key, const std::string& field)
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

std::string Dump(dao::Database& db, const std::string& source)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Snapshot);
    std::ostringstream out;
    if (rs->isEmpty())
        return {};
    const auto names = rs->fieldNames();
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
        for (const auto& name : names)
            out << name << '=' << rs->get(name).toText() << '|';
        out << '\n';
    }
    return out.str();
}

long long Count(dao::Database& db, const std::string& source)
{
    return db.OpenRecordset(source, dao::RecordsetType::Snapshot)->RecordCount();
}

std::string DumpWrittenTables(dao::Database& db)
{
    std::string all;
    for (const char* source : {"会計設定", "Q_勘定科目コード表", "Q_勘定科目コード表2", "Q_取引銀行", "Q_取引先管理",
                               "Q_固定資産台帳", "Q_リース資産管理", "Q_仕訳台帳", "Q_仕訳変更履歴", "Q_仕訳定型台帳",
                               "Q_消費税率"})
        all += std::string("== ") + source + "\n" + Dump(db, source);
    return all;
}

}  // namespace setuptest
