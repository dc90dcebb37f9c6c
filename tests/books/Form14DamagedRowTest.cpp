// The books window on a journal row holding a value its field cannot hold: each
// book reads its rows in one pass, through the same checks as a read by key, so
// a damaged row of the cash book, of a bank book or of a sub-ledger keeps the
// window shut with a message naming the file, the table, the row and the
// field. No bank balance is stored: the file stays byte for byte as it was.
#include "books/Form14.h"
#include "books/WindowFixture.h"

#include "support/CaseName.h"
#include "support/DamagedValues.h"

#include <gtest/gtest.h>

namespace {

using testsupport::DamagedValue;

// Rows of the fixture's journal: V02 is on the cash book alone, V09 on a bank
// book alone, V04 on the purchase and payables sub-ledgers alone.
constexpr DamagedValue kCashRowDate{"CashRowOfADayThatDoesNotExist",
                                    "UPDATE 仕訳台帳 SET 日付 = '2024-04-31' WHERE 伝票番号 = 'V02'",
                                    "の「仕訳台帳」の 5 行目（伝票番号 V02、追番 1）で、"
                                    "フィールド「日付」の値「2024-04-31」は日付として読めません"};
constexpr DamagedValue kBankRowAmount{"BankRowWithTextForItsAmount",
                                      "UPDATE 仕訳台帳 SET 入金 = 'たくさん' WHERE 伝票番号 = 'V09'",
                                      "の「仕訳台帳」の 5 行目（日付 2024/4/9、伝票番号 V09）で、"
                                      "フィールド「入金」の値「たくさん」は数値として読めません"};
constexpr DamagedValue kSubLedgerRowAmount{
    "SubLedgerRowWithAnAmountBeyondItsField", "UPDATE 仕訳台帳 SET 出金 = 1e300 WHERE 伝票番号 = 'V04'",
    "の「仕訳台帳」の 1 行目（日付 2024/4/3、伝票番号 V04）で、"
    "フィールド「出金」の値「1E+300」は扱える範囲（-2147483648～2147483647）を超えています"};

class Form14DamagedRow : public bookstest::WindowTest, public ::testing::WithParamInterface<DamagedValue> {};

INSTANTIATE_TEST_SUITE_P(Rows, Form14DamagedRow, ::testing::Values(kCashRowDate, kBankRowAmount, kSubLedgerRowAmount),
                         testsupport::kCaseName);

}  // namespace

TEST_P(Form14DamagedRow, KeepsTheWindowShutNamingTheRowAndStoresNothing)
{
    testsupport::ExpectWindowRefusesDamagedValue<books::Form14>(fx.path(), GetParam());
}
