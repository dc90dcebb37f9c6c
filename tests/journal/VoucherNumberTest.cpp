#include "journal/VoucherNumber.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(VoucherNumber, RegistrationTimeAsTwelveDigits)
{
    EXPECT_EQ(journal::VoucherNumberText(dao::Date{2024, 4, 1, 9, 5, 7}), "240401090507");
    EXPECT_EQ(journal::VoucherNumberText(dao::Date{2000, 12, 31, 23, 59, 59}), "001231235959");
}

TEST(VoucherNumber, ANumberTheJournalHoldsIsNeverIssued)
{
    std::set<std::string> journalNumbers = {"240401090507", "240401090508"};
    const auto taken = [&](const std::string& n) { return journalNumbers.count(n) > 0; };
    const dao::Date now{2024, 4, 1, 9, 5, 7};
    const std::string first = journal::NextVoucherNumber(now, taken);
    EXPECT_EQ(first, "240401090509");
    journalNumbers.insert(first);
    // A second registration within the same second gets the next free one.
    EXPECT_EQ(journal::NextVoucherNumber(now, taken), "240401090510");
}

TEST(VoucherNumber, NextSecondCrossesMidnightAndYearEnd)
{
    const auto taken = [](const std::string& n) { return n == "231231235959"; };
    EXPECT_EQ(journal::NextVoucherNumber(dao::Date{2023, 12, 31, 23, 59, 59}, taken), "240101000000");
}

}  // namespace
