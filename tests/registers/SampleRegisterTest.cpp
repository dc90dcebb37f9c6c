// The sample company's fixed-asset register, whose figures were prepared apart
// from the routines, agrees with DepreciationToDate for its period.

#include "registers/Depreciation.h"

#include "periodfile/SampleCompany.h"
#include "periodfile/TempDir.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"

#include <gtest/gtest.h>

namespace {

TEST(SampleRegister, EveryAssetMatchesTheWalkFromItsAcquisition)
{
    periodfile::testing::TempDir dir;
    const std::string path = periodfile::createSampleCompany(dir.path().string());
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto settings = db->OpenRecordset("会計設定", dao::RecordsetType::Snapshot);
    const dao::Date start = *settings->get("会計期間開始日").toDate();
    const dao::Date end = *settings->get("会計期間終了日").toDate();
    auto assets = db->OpenRecordset("Q_固定資産台帳", dao::RecordsetType::Snapshot);
    int checked = 0;
    for (assets->MoveFirst(); !assets->EOF_(); assets->MoveNext(), ++checked) {
        SCOPED_TRACE(assets->get("管理番号").toText());
        const auto result = o::DepreciationToDate(
            start, end, assets->get("償却方法").toText(), *assets->get("取得年月日").toDate(),
            assets->get("取得価格").toInt64(), assets->get("償却率").toDouble(), assets->get("残存価格").toInt64(),
            assets->get("耐用年数").toInt32(), assets->get("保証率").toDouble());
        ASSERT_TRUE(result.computed());
        EXPECT_EQ(result.amount, assets->get("減価償却費").toInt64());
        EXPECT_EQ(result.bookValue, assets->get("残存価格").toInt64());
    }
    EXPECT_GE(checked, 7);
    db->Close();
}

}  // namespace
