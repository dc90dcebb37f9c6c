// Whether the journal's dates, as the file stores them, sort as their values
// do: only when every row holds the form this program writes.
#include "journal/StoredDateOrder.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "support/CaseName.h"
#include "support/TempPeriodFile.h"

#include <gtest/gtest.h>

namespace {

struct DateFormCase {
    const char* name;
    const char* dates;  // the 日付 values of the rows added, as SQL
    bool sortsByValue;
};
void PrintTo(const DateFormCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoredDateOrder : public ::testing::TestWithParam<DateFormCase> {};

TEST_P(StoredDateOrder, HoldsOnlyWhenEveryDateIsInTheWrittenForm)
{
    testsupport::TempPeriodFile file;
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
    db->Execute("DELETE FROM 仕訳台帳");
    const std::string dates = GetParam().dates;
    if (!dates.empty())
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番) SELECT column1, 'V', 1 FROM (VALUES " + dates + ")");
    EXPECT_EQ(journal::JournalDatesSortByValue(*db), GetParam().sortsByValue);
}

INSTANTIATE_TEST_SUITE_P(Forms, StoredDateOrder,
                         ::testing::Values(DateFormCase{"no rows", "", true},
                                           DateFormCase{"written form", "('2024-05-09'), ('2024-12-31')", true},
                                           DateFormCase{"slashes", "('2024-05-09'), ('2024/5/10')", false},
                                           DateFormCase{"padded slashes", "('2024/05/10')", false},
                                           DateFormCase{"time of day", "('2024-05-09'), ('2024-05-09 10:00:00')",
                                                        false},
                                           DateFormCase{"no date", "('2024-05-09'), (NULL)", false},
                                           DateFormCase{"a number", "('2024-05-09'), (20240509)", false},
                                           DateFormCase{"blank around", "(' 2024-05-09')", false},
                                           DateFormCase{"unpadded hyphens", "('2024-5-9')", false}),
                         testsupport::kCaseName);

}  // namespace
