// Values written by a column's declared type and read back as the right kind.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"

#include <gtest/gtest.h>

using namespace dao;
using namespace daotest;

namespace {

struct WriteCase {
    const char* field;
    Value written;
    const char* stored;  // typeof || ':' || value in the file
    ValueKind readKind;
};

struct RefusedCase {
    const char* field;
    Value written;
    DaoError::Code code;
};

class ConversionTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Database> db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
};

}  // namespace

TEST_F(ConversionTest, WritesConvertByDeclaredType)
{
    const WriteCase cases[] = {
        {"日付", Value("2024/4/1"), "text:2024-04-01", ValueKind::Date},
        {"日付", Value(Date{2025, 3, 31, 10, 0, 0}), "text:2025-03-31", ValueKind::Date},
        {"日時", Value("2024/04/01 9:30:05"), "text:2024-04-01 09:30:05", ValueKind::Date},
        {"日時", Value(Date{2024, 4, 1}), "text:2024-04-01 00:00:00", ValueKind::Date},
        {"整数", Value("1,000"), "integer:1000", ValueKind::Integer},
        {"整数", Value(2147483647LL), "integer:2147483647", ValueKind::Integer},
        {"整数", Value(-2147483648LL), "integer:-2147483648", ValueKind::Integer},
        {"整数", Value(""), "null:", ValueKind::Null},
        {"小整数", Value("32767"), "integer:32767", ValueKind::Integer},
        {"実数", Value("3.5"), "real:3.5", ValueKind::Double},
        {"真偽", Value(true), "integer:1", ValueKind::Boolean},
        {"真偽", Value("False"), "integer:0", ValueKind::Boolean},
        {"文字", Value(1200LL), "text:1200", ValueKind::Text},
        {"文字", Value(), "null:", ValueKind::Null},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + (c.written.isNull() ? "null" : c.written.toText()));
        db->Execute("DELETE FROM 型見本");
        auto rs = db->OpenRecordset("型見本");
        rs->AddNew();
        rs->set(c.field, c.written);
        rs->Update();
        EXPECT_EQ(
            rawText(path,
                    std::string("SELECT typeof(") + c.field + ") || ':' || ifnull(" + c.field + ", '') FROM 型見本"),
            c.stored);
        auto back = db->OpenRecordset("型見本");
        EXPECT_EQ(back->get(c.field).kind(), c.readKind);
    }
}

TEST_F(ConversionTest, OutOfRangeAndWrongTypesAreRefusedNamingTheField)
{
    const RefusedCase cases[] = {
        {"整数", Value(2147483648LL), DaoError::Code::Overflow},
        {"整数", Value("-2,147,483,649"), DaoError::Code::Overflow},
        {"整数", Value(1e12), DaoError::Code::Overflow},
        {"小整数", Value(32768), DaoError::Code::Overflow},
        {"整数", Value("千円"), DaoError::Code::TypeMismatch},
        {"日付", Value("2024/2/30"), DaoError::Code::TypeMismatch},
        {"日付", Value("来週"), DaoError::Code::TypeMismatch},
    };
    auto rs = db->OpenRecordset("型見本");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.written.toText());
        rs->AddNew();
        try {
            rs->set(c.field, c.written);
            FAIL() << "accepted";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_NE(std::string(e.what()).find(std::string("「") + c.field + "」"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("型見本"), std::string::npos) << e.what();
        }
        rs->CancelUpdate();
    }
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 型見本"), 0);
}

TEST_F(ConversionTest, ReadsGiveValuesOfTheColumnKind)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    const Value date = rs->get("日付");
    ASSERT_EQ(date.kind(), ValueKind::Date);
    EXPECT_EQ(std::get<Date>(date.data()), (Date{2024, 4, 1}));
    EXPECT_EQ(rs->get("決算仕訳").kind(), ValueKind::Boolean);
    EXPECT_EQ(rs->get("入金").kind(), ValueKind::Integer);
    EXPECT_EQ(rs->get("追番").kind(), ValueKind::Integer);
    EXPECT_EQ(rs->get("勘定科目名").kind(), ValueKind::Text);
    rs->FindFirst("伝票番号 = '003'");
    EXPECT_TRUE(rs->get("取引先").isNull());
}
