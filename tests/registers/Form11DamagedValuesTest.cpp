// The bank master window on a damaged file: a bank or branch code held twice
// (each branch of the bank would show twice, and one of the two lines could
// never be edited) or a settings row of nulls keeps the window shut with a
// message naming the file, the master, the code or field and its rows; the file
// stays byte for byte as it was.
#include "registers/Form11.h"

#include "common/o.h"
#include "frame/Fonts.h"
#include "platform/dao/DaoError.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/CaseName.h"
#include "support/DamagedValues.h"
#include "support/TempPeriodFile.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

namespace {

using testsupport::DamagedValue;

class BankMasterDamagedValue : public testsupport::WindowTestBase<>,
                               public ::testing::WithParamInterface<DamagedValue> {
protected:
    void SetUp() override
    {
        WindowTestBase::SetUp();
        useFile(file.path());
    }

    testsupport::TempPeriodFile file;
};

INSTANTIATE_TEST_SUITE_P(Values, BankMasterDamagedValue,
                         ::testing::Values(testsupport::kBankCodeTwice, testsupport::kBranchCodeTwice,
                                           testsupport::kSettingsOfNulls),
                         testsupport::kCaseName);

TEST_P(BankMasterDamagedValue, KeepsTheWindowShutAndTheFileAsItWas)
{
    testsupport::ExpectWindowRefusesDamagedValue<registers::Form11>(file.path(), GetParam());
}

}  // namespace
