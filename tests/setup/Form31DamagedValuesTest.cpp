// The setup window on a damaged file: a value outside its field's domain in the
// settings, the chart, the tax rates, the fixed assets or the bank masters keeps
// the window shut with a message naming the file, the table, the row and the
// field, and the load writes nothing (not even the opening cash it stores on a
// sound file).
#include "setup/Form31.h"

#include "common/o.h"
#include "platform/dao/DaoError.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/CaseName.h"
#include "support/DamagedValues.h"
#include "support/TempPeriodFile.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::DamagedValue;

class SetupDamagedValue : public testsupport::WindowTestBase<>, public ::testing::WithParamInterface<DamagedValue> {
protected:
    void SetUp() override
    {
        WindowTestBase::SetUp();
        useFile(file.path());
    }

    testsupport::TempPeriodFile file;
};

INSTANTIATE_TEST_SUITE_P(Values, SetupDamagedValue,
                         ::testing::Values(testsupport::kSettingsOfNulls, testsupport::kNoAmountUnit,
                                           testsupport::kSideSeven, testsupport::kOpeningBalanceFraction,
                                           testsupport::kNegativeRate, testsupport::kRateOfAThousand,
                                           testsupport::kNegativeCost, testsupport::kBankCodeTwice,
                                           testsupport::kBranchCodeTwice, testsupport::kSecondSettingsRow),
                         testsupport::kCaseName);

TEST_P(SetupDamagedValue, KeepsTheWindowShutAndTheFileAsItWas)
{
    testsupport::ExpectWindowRefusesDamagedValue<setup::Form31>(file.path(), GetParam());
}

}  // namespace
