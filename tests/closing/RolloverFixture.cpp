#include "RolloverFixture.h"

#include "closing/DepreciationJournal.h"
#include "closing/TaxSettlement.h"
#include "periodfile/SampleCompany.h"
#include "platform/dao/Recordset.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <unistd.h>

namespace closing::testing {

std::string Sha256Of(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex().toStdString();
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

std::int64_t scalar(dao::Database& db, const std::string& sql)
{
    auto rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot);
    if (rs->isEmpty())
        return 0;
    rs->MoveFirst();
    const dao::Value v = rs->get("v");
    return v.isNumeric() ? v.toInt64() : 0;
}

constexpr const char* kInPeriod = " 日付 >= '2025-04-01' AND 日付 <= '2026-03-31'";

}  // namespace

void SampleRolloverTest::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // A parameterised test's name holds a "/": the folder is one level all the same.
    std::string name = info->name();
    std::replace(name.begin(), name.end(), '/', '-');
    dataDir = std::filesystem::temp_directory_path() / ("velmora-rollover-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(dataDir);
    sourcePath = periodfile::createSampleCompany(dataDir.string());
    targetPath = (dataDir / "サンプル商事第11期.mdb").string();

    auto workspace = dao::DBEngine::instance().Workspaces(0);
    auto db = workspace->OpenDatabase(sourcePath);
    const ClosingDateBoxes closingDay{"2026年", "03月", "31日"};
    const dao::Date now{2026, 5, 20, 10, 0, 0};
    ASSERT_EQ(PostDepreciationJournal(*workspace, *db, closingDay, now).postedRows, 7);
    // The user took the display shelf's row out again: its figure was never posted.
    db->Execute("DELETE FROM 仕訳台帳 WHERE 摘要 = 'F-007陳列棚'");
    // 法人税等 (決算１) 250,000 against 未払法人税等, as a closing entry.
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                " VALUES ('2026-03-31', '260520110000', 1, '法人税等計上', '800', 250000, '213', 250000, 1)");
    ASSERT_TRUE(PostTaxSettlementEntries(*workspace, *db, closingDay, now).posted());
    // Already the next period's: collected into the ordinary deposit on 3 April.
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金,"
                " 銀行コード, 支店コード) VALUES ('2026-04-03', '260403090000', 1, '売掛金入金', '有限会社みどり堂',"
                " '103', 50000, '111', 50000, '0001', '0001203')");
    db->Execute("INSERT INTO 仕訳変更履歴 (変更日, 変更理由, 伝票番号, 日付, 追番, 摘要)"
                " VALUES ('2025-10-02 10:00:00', '1', '251001090000', '2025-10-01', 1, '今期の訂正')");
    db->Execute("INSERT INTO 仕訳変更履歴 (変更日, 変更理由, 伝票番号, 日付, 追番, 摘要)"
                " VALUES ('2026-04-04 10:00:00', '2', '260403100000', '2026-04-03', 1, '次期の削除')");
    db.reset();
    workOutExpectations();
    sourceDigest = Sha256Of(sourcePath);
}

void SampleRolloverTest::TearDown()
{
    dao::DBEngine::instance().clearFailurePlan();
    std::error_code ignored;
    std::filesystem::remove_all(dataDir, ignored);
}

void SampleRolloverTest::workOutExpectations()
{
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
    auto used = db->OpenRecordset("SELECT * FROM 勘定科目コード表 WHERE 適用 <> 0 ORDER BY 勘定科目コード",
                                  dao::RecordsetType::Snapshot);
    std::int64_t t = 0, t1 = 0, t2 = 0;
    bool inRun = false, runOver = false;
    for (used->MoveFirst(); !used->EOF_(); used->MoveNext()) {
        ExpectedAccount a;
        const std::string code = used->get("勘定科目コード").toText();
        a.name = used->get("勘定科目名").toText();
        a.side = used->get("借貸区分").toInt32();
        a.major = used->get("大分類").toText();
        a.middle = used->get("中分類").toText();
        a.opening = used->get("期首残高").toInt32();
        const char* pastFields[] = {"前年決算残高", "前2決算残高", "前3決算残高", "前4決算残高", "前5決算残高"};
        for (int i = 0; i < 5; ++i)
            a.past[i] = used->get(pastFields[i]).toInt32();
        const std::int64_t debits =
            scalar(*db, "SELECT SUM(入金) AS v FROM 仕訳台帳 WHERE 借方コード = '" + code + "' AND" + kInPeriod);
        const std::int64_t credits =
            scalar(*db, "SELECT SUM(出金) AS v FROM 仕訳台帳 WHERE 貸方コード = '" + code + "' AND" + kInPeriod);
        a.closing = a.opening + (a.side == 0 ? debits - credits : credits - debits);
        // The profit as the statements show it: the profit-and-loss run by
        // nature, less the 決算１ list, plus the 決算２ list.
        const bool profitAndLoss = a.major == "経常損益" || a.major == "特別損益";
        if (profitAndLoss && !runOver) {
            inRun = true;
            t += a.side == 1 ? a.closing : -a.closing;
        } else if (inRun) {
            runOver = true;
        }
        if (a.middle == "決算１")
            t1 += a.closing;
        if (a.middle == "決算２")
            t2 += a.closing;
        accounts[code] = a;
    }
    profit = t - t1 + t2;

    auto banks = db->OpenRecordset("SELECT rowid AS r, 銀行コード, 支店コード, 種別, 期首残高 FROM 取引銀行",
                                   dao::RecordsetType::Snapshot);
    for (banks->MoveFirst(); !banks->EOF_(); banks->MoveNext()) {
        const std::string kind = banks->get("種別").toText();
        const std::string where = " FROM 仕訳台帳 AS j JOIN 勘定科目コード表 AS c ON c.勘定科目コード = j.%s"
                                  " WHERE c.勘定科目名 = '"
            + kind + "' AND j.銀行コード = '" + banks->get("銀行コード").toText() + "' AND j.支店コード = '"
            + banks->get("支店コード").toText() + "' AND j." + std::string(kInPeriod + 1);
        auto with = [&](const char* column) {
            std::string sql = where;
            sql.replace(sql.find("%s"), 2, column);
            return sql;
        };
        const std::int64_t in = scalar(*db, "SELECT SUM(j.入金) AS v" + with("借方コード"));
        const std::int64_t out = scalar(*db, "SELECT SUM(j.出金) AS v" + with("貸方コード"));
        bankBalances[banks->get("r").toInt64()] = banks->get("期首残高").toInt32() + in - out;
    }

    auto posted = db->OpenRecordset("SELECT 摘要, 出金 FROM 仕訳台帳 WHERE 借方コード = '530' AND 決算仕訳 <> 0",
                                    dao::RecordsetType::Snapshot);
    for (posted->MoveFirst(); !posted->EOF_(); posted->MoveNext())
        postedDepreciation[posted->get("摘要").toText().substr(0, 5)] += posted->get("出金").toInt32();
}

std::shared_ptr<dao::Database> SampleRolloverTest::openTarget()
{
    return dao::DBEngine::instance().Workspaces(0)->OpenDatabase(targetPath);
}

}  // namespace closing::testing
