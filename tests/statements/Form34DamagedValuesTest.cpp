// The closing window on a damaged file: an impossible period, a settings row
// of nulls, an account's side or statement class outside its domain, an
// opening balance with a fraction of a yen or a tax rate that is no percentage
// keeps the window shut with a message naming the file, the table, the row and
// the field; so does a second settings row. Nothing is tallied or stored: the
// file stays byte for byte as it was (a settings row without its amount unit
// once came out with "百万円").
#include "statements/Form34.h"

#include "common/o.h"
#include "frame/Fonts.h"
#include "platform/dao/DaoError.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/CaseName.h"
#include "support/DamagedValues.h"
#include "support/TempPeriodFile.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

namespace {

using testsupport::DamagedValue;

class ClosingDamagedValue : public testsupport::WindowTestBase<>, public ::testing::WithParamInterface<DamagedValue> {
protected:
    void SetUp() override
    {
        WindowTestBase::SetUp();
        useFile(file.path(), file.dir());
    }

    testsupport::TempPeriodFile file;
};

INSTANTIATE_TEST_SUITE_P(Values, ClosingDamagedValue,
                         ::testing::Values(testsupport::kStartAfterEnd, testsupport::kSettingsOfNulls,
                                           testsupport::kNoAmountUnit, testsupport::kSecondSettingsRow,
                                           testsupport::kSideSeven, testsupport::kNoStatementClass,
                                           testsupport::kOpeningBalanceFraction, testsupport::kNegativeRate,
                                           testsupport::kRateOfAThousand),
                         testsupport::kCaseName);

TEST_P(ClosingDamagedValue, KeepsTheWindowShutAndTheFileAsItWas)
{
    testsupport::ExpectWindowRefusesDamagedValue<statements::Form34>(file.path(), GetParam());
}

}  // namespace
