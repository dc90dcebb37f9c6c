// The chart's period figures hold 64-bit numbers whole, in a file whose
// columns are declared INTEGER like every 32-bit amount; the other amounts
// keep their 32-bit range.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/Recordset.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace dao;
using namespace daotest;

namespace {

struct WidthCase {
    const char* name;
    const char* field;
    long long value;
    bool held;  // false: refused as out of range
};
void PrintTo(const WidthCase& c, std::ostream* os)
{
    *os << c.name;
}

class PeriodFigureWidth : public ::testing::TestWithParam<WidthCase> {
protected:
    void SetUp() override
    {
        // The columns as a file made before declares them.
        for (const char* column : {"期首残高", "借方合計", "貸方合計", "期末貸借合計", "期末残高"})
            rawExec(path, std::string("ALTER TABLE 勘定科目コード表 ADD COLUMN ") + column + " INTEGER DEFAULT 0");
    }

    TempDir dir;
    std::string path = makePeriodFile(dir);
};

}  // namespace

TEST_P(PeriodFigureWidth, WrittenThroughTheAccountsInUseAndReadBackWhole)
{
    const WidthCase& c = GetParam();
    auto db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    accounts->MoveFirst();
    const std::string code = accounts->get("勘定科目コード").toText();
    accounts->Edit();
    if (!c.held) {
        try {
            accounts->set(c.field, Value(c.value));
            FAIL() << "accepted";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::Overflow);
        }
        accounts->CancelUpdate();
        EXPECT_EQ(
            rawCount(path,
                     std::string("SELECT ") + c.field + " FROM 勘定科目コード表 WHERE 勘定科目コード = '" + code + "'"),
            0);
        return;
    }
    accounts->set(c.field, Value(c.value));
    accounts->Update();
    EXPECT_EQ(rawText(path,
                      std::string("SELECT typeof(") + c.field + ") FROM 勘定科目コード表 WHERE 勘定科目コード = '"
                          + code + "'"),
              "integer");
    auto again = db->OpenRecordset(std::string("SELECT ") + c.field
                                       + " AS 値 FROM Q_使用勘定科目表 WHERE 勘定科目コード = '" + code + "'",
                                   RecordsetType::Snapshot);
    EXPECT_EQ(again->get("値").toInt64(), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PeriodFigureWidth,
    ::testing::Values(WidthCase{"debit total of a busy deposit account", "借方合計", 2196960850LL, true},
                      WidthCase{"credit total below the 32 bit range", "貸方合計", -3000000000LL, true},
                      WidthCase{"net movement", "期末貸借合計", 4294967296LL, true},
                      WidthCase{"closing balance at the 64 bit edge", "期末残高", 9223372036854775807LL, true},
                      WidthCase{"opening balance above the 32 bit range", "期首残高", 2147483648LL, false},
                      WidthCase{"opening balance below the 32 bit range", "期首残高", -2147483649LL, false}),
    testsupport::kCaseName);
