// The fixed-asset register's checks, its depreciation on leaving 期首残存価格
// and on its button, its list line and its record writing.

#include "registers/FixedAssetDepreciation.h"
#include "registers/FixedAssetFields.h"
#include "registers/FixedAssetListLine.h"
#include "registers/FixedAssetRecord.h"

#include "common/FitByteWidth.h"
#include "support/TempPeriodFile.h"
#include "platform/dao/Engine.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace {

using registers::FixedAssetCheck;
using registers::FixedAssetFields;
using registers::FixedAssetFigures;

// An asset bought on 2013-04-01 for 1,000,000 yen, straight line over 5 years.
FixedAssetFields StraightLineAsset()
{
    FixedAssetFields f;
    f.number = "F-100";
    f.name = "検査装置";
    f.cost = "1,000,000";
    f.residual = "800,000";
    f.quantity = "1";
    f.accountName = "機械装置";
    f.year = "2013年";
    f.month = "04月";
    f.day = "01日";
    f.method = "定額法";
    f.life = "5年";
    f.rate = "20.00";
    return f;
}

struct CheckCase {
    const char* name;
    std::string FixedAssetFields::*field;
    const char* value;
    FixedAssetCheck check;
    const char* message;  // nullptr: passes
};

void PrintTo(const CheckCase& c, std::ostream* out)
{
    *out << c.name;
}

const CheckCase kChecks[] = {
    {"AllTypedPassesRegister", &FixedAssetFields::remarks, "", FixedAssetCheck::Register, nullptr},
    {"AllTypedPassesUpdate", &FixedAssetFields::remarks, "", FixedAssetCheck::Update, nullptr},
    {"AllTypedPassesLeaving", &FixedAssetFields::remarks, "", FixedAssetCheck::LeaveResidual, nullptr},
    {"NoNumber", &FixedAssetFields::number, "", FixedAssetCheck::Register, registers::kNoDataMessage},
    {"NoMethod", &FixedAssetFields::method, "", FixedAssetCheck::LeaveResidual, registers::kNoDataMessage},
    {"NoLifeRegisters", &FixedAssetFields::life, "", FixedAssetCheck::Register, nullptr},
    {"NoLifeNotUpdated", &FixedAssetFields::life, "", FixedAssetCheck::Update, registers::kNoDataMessage},
    {"QuantityNotANumber", &FixedAssetFields::quantity, "一台", FixedAssetCheck::Register,
     registers::kBadNumberMessage},
    {"EmptyResidualIsNotANumber", &FixedAssetFields::residual, "", FixedAssetCheck::Update,
     registers::kBadNumberMessage},
    {"LifeOfZeroRefusedOnLeaving", &FixedAssetFields::life, "0年", FixedAssetCheck::LeaveResidual,
     registers::kBadNumberMessage},
    {"LifeOfZeroStillRegisters", &FixedAssetFields::life, "0年", FixedAssetCheck::Register, nullptr},
};

class FixedAssetChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(FixedAssetChecks, FirstFailedCheckGivesItsMessage)
{
    const CheckCase& c = GetParam();
    FixedAssetFields fields = StraightLineAsset();
    fields.*c.field = c.value;
    const auto message = registers::CheckFixedAssetFields(fields, c.check);
    if (c.message == nullptr)
        EXPECT_FALSE(message) << *message;
    else
        EXPECT_EQ(message.value_or("passed"), c.message);
}

INSTANTIATE_TEST_SUITE_P(FixedAssets, FixedAssetChecks, ::testing::ValuesIn(kChecks), testsupport::kCaseName);

TEST(FixedAssetDates, TheDateTextDropsLeadingZerosAndMustNameARealDate)
{
    FixedAssetFields fields = StraightLineAsset();
    EXPECT_EQ(registers::AcquisitionDateText(fields), "2013/4/1");
    fields.month = "2月";
    fields.day = "31日";
    EXPECT_FALSE(registers::AcquisitionDate(fields));
    for (FixedAssetCheck check : {FixedAssetCheck::Register, FixedAssetCheck::Update, FixedAssetCheck::LeaveResidual})
        EXPECT_EQ(registers::CheckFixedAssetFields(fields, check).value_or("passed"), registers::kBadDateMessage);
    EXPECT_DOUBLE_EQ(registers::LeadingNumber("10年"), 10);
    EXPECT_DOUBLE_EQ(registers::LeadingNumber("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(registers::LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(registers::LeadingNumber("年"), 0);
}

// The fiscal year 2015-04-01 to 2016-03-31: the asset's third.
const dao::Date kStart{2015, 4, 1};
const dao::Date kEnd{2016, 3, 31};

TEST(FixedAssetLeavingResidual, ComputesThisPeriodFromTheTypedBookValue)
{
    const FixedAssetFigures figures = registers::DepreciationOnLeavingResidual(StraightLineAsset(), kStart, kEnd);
    ASSERT_EQ(figures.kind, FixedAssetFigures::Kind::Shown);
    EXPECT_EQ(figures.depreciation, "200,000");

    FixedAssetFields declining = StraightLineAsset();
    declining.method = "定率法";
    declining.life = "10年";
    declining.rate = "20.00";
    declining.guarantee = "6.552";
    declining.residual = "640,000";
    EXPECT_EQ(registers::DepreciationOnLeavingResidual(declining, kStart, kEnd).depreciation, "128,000");
}

TEST(FixedAssetLeavingResidual, RefusesWhatItCannotCompute)
{
    FixedAssetFields fields = StraightLineAsset();
    fields.residual = "八十万";
    EXPECT_EQ(registers::DepreciationOnLeavingResidual(fields, kStart, kEnd).kind, FixedAssetFigures::Kind::BeepOnly);

    fields = StraightLineAsset();
    fields.life = "0年";
    auto figures = registers::DepreciationOnLeavingResidual(fields, kStart, kEnd);
    EXPECT_EQ(figures.kind, FixedAssetFigures::Kind::Refused);
    EXPECT_EQ(figures.message, registers::kBadNumberMessage);
    EXPECT_TRUE(figures.beep);

    fields = StraightLineAsset();
    fields.method = "定率法";
    fields.life = "51年";
    fields.guarantee = "1.000";
    figures = registers::DepreciationOnLeavingResidual(fields, kStart, kEnd);
    EXPECT_EQ(figures.message, registers::kNoDepreciationRuleMessage);
    EXPECT_FALSE(figures.beep);

    fields.life = "10年";
    fields.guarantee = "";
    EXPECT_EQ(registers::DepreciationOnLeavingResidual(fields, kStart, kEnd).message, registers::kNoDataMessage);

    fields = StraightLineAsset();
    fields.rate = "";
    EXPECT_EQ(registers::DepreciationOnLeavingResidual(fields, kStart, kEnd).message, registers::kBadNumberMessage);
}

class FixedAssetRecords : public ::testing::Test {
protected:
    void SetUp() override { db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path()); }
    void TearDown() override { db->Close(); }

    // Adds an asset and returns a recordset on the register left on it.
    std::unique_ptr<dao::Recordset> asset(const char* method, const char* acquired, long long cost,
                                          const dao::Value& rate, int life, const dao::Value& guarantee,
                                          const dao::Value& residual)
    {
        db->Execute("DELETE FROM 固定資産台帳");
        db->Execute(
            "INSERT INTO 固定資産台帳 (管理番号, 名称, 数量, 勘定科目コード, 取得年月日, 取得価格, 償却方法, "
            "耐用年数, 償却率, 保証率, 残存価格) VALUES ('F-1', '資産', 1, '144', ?, ?, ?, ?, ?, ?, ?)",
            {dao::Value(acquired), dao::Value(cost), dao::Value(method), dao::Value(life), rate, guarantee, residual});
        auto rs = db->OpenRecordset("Q_固定資産台帳");
        rs->MoveFirst();
        return rs;
    }

    testsupport::TempPeriodFile file;
    std::shared_ptr<dao::Database> db;
};

TEST_F(FixedAssetRecords, TheButtonWalksFromTheAcquisition)
{
    // The seventh year of the 1,000,000-yen series on the 200 % table.
    const auto figures = registers::DepreciationFromAcquisition(
        *asset("定率法", "2013-04-01", 1'000'000, 20.0, 10, 6.552, dao::Value()), {2019, 4, 1}, {2020, 3, 31});
    ASSERT_EQ(figures.kind, FixedAssetFigures::Kind::Shown);
    EXPECT_EQ(figures.depreciation, "65,536");
    EXPECT_EQ(figures.residual, "262,144");
}

// 旧定率法 is walked from the cost too, without a guarantee rate: the eleventh
// year of the public series 206,000; 163,564; ... (cac.sakura.ne.jp
// boki/body/body016sample.html): 99,590 × 0.206 = 20,515.
TEST_F(FixedAssetRecords, TheButtonWalksAnOldDecliningBalanceAsset)
{
    const auto figures = registers::DepreciationFromAcquisition(
        *asset("定率法", "2005-04-01", 1'000'000, 20.6, 10, dao::Value(), 500'000), kStart, kEnd);
    ASSERT_EQ(figures.kind, FixedAssetFigures::Kind::Shown);
    EXPECT_EQ(figures.depreciation, "20,515");
    EXPECT_EQ(figures.residual, "99,590");
}

TEST_F(FixedAssetRecords, TheButtonRefusesWhereNoRuleAppliesOrAValueIsMissing)
{
    auto figures = registers::DepreciationFromAcquisition(
        *asset("定率法", "2013-04-01", 1'000'000, 20.0, 51, 1.0, 500'000), kStart, kEnd);
    EXPECT_EQ(figures.message, registers::kNoDepreciationRuleMessage);

    figures = registers::DepreciationFromAcquisition(*asset("一括償却", "2013-04-01", 180'000, 0.0, 0, 0.0, 180'000),
                                                     kStart, kEnd);
    EXPECT_EQ(figures.message,
              "固定資産「資産」（管理番号 F-1）の耐用年数「0」では償却できません"
              "（1 年以上の耐用年数を入れて更新してください）");
    EXPECT_TRUE(figures.beep);

    figures = registers::DepreciationFromAcquisition(
        *asset("定率法", "2013-04-01", 1'000'000, 20.0, 10, dao::Value(), 500'000), kStart, kEnd);
    EXPECT_EQ(figures.message, registers::kNoDataMessage);
}

TEST_F(FixedAssetRecords, ListLineLaysOutEveryPiece)
{
    db->Execute("DELETE FROM 固定資産台帳");
    db->Execute(
        "INSERT INTO 固定資産台帳 (管理番号, 名称, 数量, 勘定科目コード, 取得年月日, 取得価格, 償却方法, 耐用年数, "
        "償却率, 保証率, 残存価格, 減価償却費, 使用部署名, 備考) VALUES ('F-002', '配送用ライトバン', 1, '144', "
        "'2022-10-03', 2280000, '定率法', 5, 40.0, 10.8, 656640, 262656, '営業部', '')");
    db->Execute(
        "INSERT INTO 固定資産台帳 (管理番号, 名称, 数量, 勘定科目コード, 取得年月日, 取得価格, 償却方法, 耐用年数, "
        "償却率, 保証率, 残存価格, 減価償却費, 使用部署名, 備考) VALUES ('F-1', '科目なし', 2, '', '2024-04-01', "
        "1000, '一括償却', 3, NULL, NULL, 1000, NULL, '', '')");
    auto rs = db->OpenRecordset("Q_固定資産台帳");
    rs->MoveFirst();
    const std::string accountName = rs->get("勘定科目名").toText();
    const auto blanks = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
    // Number 10 bytes, name 16, quantity in 4 and four blanks, account 12, the
    // date (with its leading blank) in 18 and two blanks, price in 14, method 10,
    // life and "年" in 4, two blanks and an ideographic space, rate in 6, two
    // blanks, guarantee in 8, book value and depreciation in 10 each, department
    // 10, remarks 10, single blanks between (book value and depreciation too).
    EXPECT_EQ(registers::FixedAssetListLine(*rs),
              "F-002" + blanks(5) + " " + "配送用ライトバン" + " " + blanks(3) + "1" + blanks(4)
                  + o::FitByteWidth(accountName, 12) + " " + " 2022/10/03" + blanks(7) + blanks(2) + blanks(5)
                  + "2,280,000" + " " + "定率法" + blanks(4) + blanks(2) + "5年" + "  　" + "40.000" + blanks(2)
                  + blanks(2) + "10.800" + " " + blanks(3) + "656,640" + " " + blanks(3) + "262,656" + " " + "営業部"
                  + blanks(4) + " " + blanks(10));
    // No account, no rate, guarantee or depreciation: blanks in their places.
    rs->MoveNext();
    EXPECT_EQ(registers::FixedAssetListLine(*rs),
              "F-1" + blanks(7) + " " + "科目なし" + blanks(8) + " " + blanks(3) + "2" + blanks(4) + blanks(12) + " "
                  + " 2024/04/01" + blanks(7) + blanks(2) + blanks(9) + "1,000" + " " + "一括償却" + blanks(2)
                  + blanks(2) + "3年" + "  　" + blanks(6) + blanks(2) + blanks(8) + " " + blanks(5) + "1,000" + " "
                  + blanks(10) + " " + blanks(10) + " " + blanks(10));
}

// A book value wider than its field shows as "*" across it, and never runs
// into the depreciation beside it ("123,456,7830,000,000" was one number).
TEST_F(FixedAssetRecords, AnAmountTooWideForItsFieldShowsStarsApartFromItsNeighbour)
{
    db->Execute("DELETE FROM 固定資産台帳");
    db->Execute(
        "INSERT INTO 固定資産台帳 (管理番号, 名称, 数量, 勘定科目コード, 取得年月日, 取得価格, 償却方法, 耐用年数, "
        "償却率, 保証率, 残存価格, 減価償却費, 使用部署名, 備考) VALUES ('F-9', '工場', 12345, '', '2024-04-01', "
        "1234567890, '定額法', 50, 2.0, NULL, 123456789, 30000000, '', '')");
    db->Execute(
        "INSERT INTO 固定資産台帳 (管理番号, 名称, 数量, 勘定科目コード, 取得年月日, 取得価格, 償却方法, 耐用年数, "
        "償却率, 保証率, 残存価格, 減価償却費, 使用部署名, 備考) VALUES ('F-8', '倉庫', 1, '', '2024-04-01', "
        "99999999, '定額法', 50, 2.0, NULL, 99999999, 99999999, '', '')");
    auto rs = db->OpenRecordset("Q_固定資産台帳");
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
        const std::string line = registers::FixedAssetListLine(*rs);
        if (rs->get("管理番号").toText() == "F-9") {
            EXPECT_NE(line.find("   1,234,567,890 "), std::string::npos) << line;  // 13 characters fit in 14
            EXPECT_NE(line.find(" **** "), std::string::npos) << line;             // a quantity of 5 digits in 4
            EXPECT_NE(line.find(" ********** 30,000,000 "), std::string::npos) << line;
            EXPECT_EQ(line.find("123,456,78"), std::string::npos) << line;
        } else {
            // Two full fields side by side still read as two numbers.
            EXPECT_NE(line.find(" 99,999,999 99,999,999 "), std::string::npos) << line;
        }
    }
}

TEST_F(FixedAssetRecords, FieldsAreWrittenAsTheButtonsWriteThem)
{
    auto used = db->OpenRecordset("Q_使用勘定科目表");
    const auto code = registers::UsedAccountCode(*used, "工具器具備品");
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, "145");
    EXPECT_FALSE(registers::UsedAccountCode(*used, "存在しない科目"));

    db->Execute("DELETE FROM 固定資産台帳");
    FixedAssetFields fields = StraightLineAsset();
    fields.life = "";
    fields.cost = "1,200,000";
    auto assets = db->OpenRecordset("Q_固定資産台帳");
    assets->AddNew();
    registers::WriteFixedAssetFields(*assets, fields, *code, FixedAssetCheck::Register);
    assets->Update();

    auto stored = db->OpenRecordset("Q_固定資産台帳");
    stored->MoveFirst();
    EXPECT_EQ(stored->get("取得価格").toInt64(), 1'200'000);
    EXPECT_EQ(stored->get("耐用年数").toInt64(), 0);
    EXPECT_EQ(stored->get("取得年月日").toDate().value_or(dao::Date{}), (dao::Date{2013, 4, 1}));
    EXPECT_EQ(stored->get("勘定科目名").toText(), "工具器具備品");
    EXPECT_DOUBLE_EQ(stored->get("償却率").toDouble(), 20.0);
    EXPECT_EQ(stored->get("備考").toText(), "");

    // "更新" writes the guarantee rate and the depreciation whatever they hold.
    fields.life = "5年";
    fields.guarantee = "";
    fields.depreciation = "200,000";
    stored->Edit();
    registers::WriteFixedAssetFields(*stored, fields, *code, FixedAssetCheck::Update);
    stored->Update();
    auto updated = db->OpenRecordset("Q_固定資産台帳");
    updated->MoveFirst();
    EXPECT_TRUE(updated->get("保証率").isNull());
    EXPECT_EQ(updated->get("減価償却費").toInt64(), 200'000);
    EXPECT_EQ(updated->get("耐用年数").toInt64(), 5);
}

}  // namespace
