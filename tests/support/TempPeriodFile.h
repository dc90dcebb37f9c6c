#pragma once
// A period file made by the period-file creator in a temporary folder of its
// own, removed with everything in it afterwards; and every row of a table or
// saved query read back as text, for before/after comparisons.

#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

namespace testsupport {

class TempPeriodFile {
public:
    // The file "<company>第<period>期.mdb" of the period beginning on `firstDay`.
    explicit TempPeriodFile(const std::string& company = "テスト商事", int period = 12,
                            const std::string& firstDay = "2024-04-01")
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        m_dir = pattern;
        m_path = (m_dir / (company + "第" + std::to_string(period) + "期.mdb")).string();
        periodfile::createPeriodFile(m_path, {company, period, firstDay});
    }
    ~TempPeriodFile()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TempPeriodFile(const TempPeriodFile&) = delete;
    TempPeriodFile& operator=(const TempPeriodFile&) = delete;

    const std::string& path() const { return m_path; }
    const std::filesystem::path& dir() const { return m_dir; }

    // The file opened through the engine's first workspace.
    std::shared_ptr<dao::Database> open() const
    {
        return dao::DBEngine::instance().Workspaces(0)->OpenDatabase(m_path);
    }

private:
    std::filesystem::path m_dir;
    std::string m_path;
};

// Every row of an object as text, one line per row: "field=value|" for each field.
inline std::string DumpRows(dao::Database& db, const std::string& source)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Snapshot);
    std::ostringstream out;
    const auto names = rs->fieldNames();
    if (rs->isEmpty())
        return {};
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
        for (const auto& name : names)
            out << name << '=' << rs->get(name).toText() << '|';
        out << '\n';
    }
    return out.str();
}

inline long long CountRows(dao::Database& db, const std::string& source)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Snapshot);
    return rs->RecordCount();
}

}  // namespace testsupport
