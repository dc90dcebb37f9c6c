// The bank master's codes, list lines and lookups, on a prepared period file
// (its standard banks 0001, 0005, 0009, 0010, 0017 and their branches).

#include "registers/BankCodes.h"
#include "registers/BankMasterRows.h"
#include "registers/BankMasterUsage.h"
#include "registers/BranchLookup.h"

#include "common/FitByteWidth.h"
#include "support/TempPeriodFile.h"
#include "platform/dao/Engine.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

using testsupport::TempPeriodFile;

struct TypedCodeCase {
    const char* name;
    const char* typed;
    const char* stored;  // nullptr: refused
};

void PrintTo(const TypedCodeCase& c, std::ostream* out)
{
    *out << c.name;
}

const TypedCodeCase kTypedCodes[] = {
    {"TwoDigitsPadded", "12", "0012"},           {"OneDigitPadded", "5", "0005"},
    {"FourDigitsKept", "0123", "0123"},          {"BlanksAroundIgnored", "  12", "0012"},
    {"FiveCharactersRefused", "12345", nullptr}, {"LettersRefused", "A1", nullptr},
    {"FullWidthDigitsTaken", "１２", "0012"},    {"FullWidthFourDigits", "０１２３", "0123"},
    {"FullAndHalfWidthMixed", "1２", "0012"},    {"FiveFullWidthDigitsRefused", "１２３４５", nullptr},
    {"FullWidthLetterRefused", "Ａ1", nullptr},  {"OnlyBlanksRefused", "   ", nullptr},
};

class TypedBankCodes : public ::testing::TestWithParam<TypedCodeCase> {};

TEST_P(TypedBankCodes, StoredZeroPaddedOrRefused)
{
    const TypedCodeCase& c = GetParam();
    const auto stored = registers::TypedBankCode(c.typed);
    if (c.stored == nullptr)
        EXPECT_FALSE(stored);
    else
        EXPECT_EQ(stored.value_or("refused"), c.stored);
}

INSTANTIATE_TEST_SUITE_P(BankMaster, TypedBankCodes, ::testing::ValuesIn(kTypedCodes), testsupport::kCaseName);

TEST(HalfWidthDigits, OnlyTheFullWidthDigitsChange)
{
    EXPECT_EQ(registers::HalfWidthDigits("０４５"), "045");
    EXPECT_EQ(registers::HalfWidthDigits("本店９"), "本店9");
    EXPECT_EQ(registers::HalfWidthDigits("Ａ－Ｂ"), "Ａ－Ｂ");  // full-width letters and signs stay
    EXPECT_EQ(registers::HalfWidthDigits(""), "");
}

TEST(BranchNumbers, ExactlyThreeCharactersCountedAsCharacters)
{
    EXPECT_TRUE(registers::IsBranchNumber("001"));
    EXPECT_TRUE(registers::IsBranchNumber("本店Ａ"));
    EXPECT_FALSE(registers::IsBranchNumber("01"));
    EXPECT_FALSE(registers::IsBranchNumber("0001"));
    EXPECT_EQ(registers::BranchNumberOf("0005041"), "041");
    EXPECT_EQ(registers::BranchNumberOf("0005本店Ａ"), "本店Ａ");
}

class BankMasterFile : public ::testing::Test {
protected:
    void SetUp() override { db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path()); }
    void TearDown() override { db->Close(); }

    std::unique_ptr<dao::Recordset> banks() { return db->OpenRecordset("Q_銀行コードﾏｽﾀｰ"); }
    std::unique_ptr<dao::Recordset> branches() { return db->OpenRecordset("Q_支店コードﾏｽﾀｰ"); }

    TempPeriodFile file;
    std::shared_ptr<dao::Database> db;
};

TEST_F(BankMasterFile, NextBankCodeCountsBlankPaddedCodesByTheirNumber)
{
    db->Execute("DELETE FROM 銀行コードﾏｽﾀｰ");
    EXPECT_EQ(registers::NextBankCode(*banks()).value_or("none"), "0001");
    for (const char* code : {"0003", "0010", "  12", "X9"})
        db->Execute("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名) VALUES (?, 'b')", {dao::Value(code)});
    EXPECT_EQ(registers::NextBankCode(*banks()).value_or("none"), "0013");
    db->Execute("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名) VALUES ('9999', 'last')");
    EXPECT_FALSE(registers::NextBankCode(*banks()));
}

TEST_F(BankMasterFile, NextBranchCodeFollowsTheBanksLastBranch)
{
    auto list = branches();
    EXPECT_EQ(registers::NextBranchCode(*list, "0005").value_or("none"), "0005042");  // 001, 041
    EXPECT_EQ(registers::NextBranchCode(*list, "0017").value_or("none"), "0017111");
    db->Execute("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名) VALUES ('0033', '新銀行')");
    EXPECT_EQ(registers::NextBranchCode(*branches(), "0033").value_or("none"), "0033000");
    db->Execute("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名) VALUES ('0033', '0033999', '末')");
    EXPECT_FALSE(registers::NextBranchCode(*branches(), "0033"));
}

TEST_F(BankMasterFile, ListLinesKeepTheirColumns)
{
    auto list = banks();
    list->MoveFirst();  // 0001 みずほ銀行, in use
    const std::string bankLine = registers::BankListLine(registers::ReadBankRow(*list));
    EXPECT_EQ(bankLine,
              o::FitByteWidth("0001", 8) + " " + o::FitByteWidth("みずほ銀行", 30) + " " + o::FitByteWidth("ﾐｽﾞﾎ", 22)
                  + " ○");

    // A branch without a transfer name has its mark where the others have it.
    db->Execute("UPDATE 支店コードﾏｽﾀｰ SET 振込支店名 = NULL, 使用支店 = 1 WHERE 支店コード = '0005001'");
    auto branchList = branches();
    branchList->FindFirst("支店コード", dao::Value("0005001"));
    const std::string branchLine =
        registers::BranchListLine(registers::ReadBranchRow(*branchList), branchList->get("銀行名").toText());
    EXPECT_EQ(branchLine,
              o::FitByteWidth("三菱ＵＦＪ銀行", 16) + " " + o::FitByteWidth("001", 8) + " "
                  + o::FitByteWidth("本店", 26) + " " + std::string(22, ' ') + " ○");
    EXPECT_EQ(o::ShiftJisByteWidth(branchLine), 78);
}

TEST_F(BankMasterFile, UsersAreTheBankAccountsJournalRowsAndTemplateRowsThatNameTheCode)
{
    EXPECT_TRUE(registers::BankCodeUsers(*db, "0001").empty());
    db->Execute("INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別) VALUES (1, '0001', '0001203', '普通預金')");
    db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 銀行コード, 支店コード) VALUES ('240401000000', 1, '0009', "
                "'0009232')");
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 銀行コード, 支店コード, 決算仕訳) VALUES ('2025-03-31', "
                "'250331000000', 1, '0009', '0009232', 1)");
    EXPECT_EQ(registers::BankCodeUsers(*db, "0001"), (std::vector<std::string>{"取引銀行"}));
    EXPECT_EQ(registers::BranchCodeUsers(*db, "0001203"), (std::vector<std::string>{"取引銀行"}));
    EXPECT_EQ(registers::BankCodeUsers(*db, "0009"), (std::vector<std::string>{"仕訳", "定型仕訳"}));
    EXPECT_EQ(registers::BranchCodeUsers(*db, "0009232"), (std::vector<std::string>{"仕訳", "定型仕訳"}));
    EXPECT_TRUE(registers::BranchCodeUsers(*db, "0009221").empty());
    EXPECT_EQ(registers::InUseMessage("三井住友銀行", {"仕訳", "定型仕訳"}, "削除"),
              "「三井住友銀行」は仕訳・定型仕訳に使われているため、削除できません");

    // A code with a quotation mark is looked up as it stands.
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 銀行コード) VALUES ('2025-03-31', '250331000001', 1, "
                "'0''9')");
    EXPECT_EQ(registers::BankCodeUsers(*db, "0'9"), (std::vector<std::string>{"仕訳"}));
    EXPECT_TRUE(registers::BankCodeUsers(*db, "0' OR '1'='1").empty());
}

TEST_F(BankMasterFile, ABranchIsFoundByItsBankAndItsName)
{
    // Two banks, each with a branch named "本店".
    db->Execute("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名) VALUES ('0009', '0009001', '本店')");
    auto list = branches();
    EXPECT_EQ(registers::FindBranchCode(*list, "0005", "本店"), "0005001");
    EXPECT_EQ(registers::FindBranchCode(*list, "0009", "本店"), "0009001");
    EXPECT_EQ(list->get("銀行コード").toText(), "0009");
    EXPECT_EQ(registers::FindBranchCode(*list, "0010", "本店"), "");
    EXPECT_EQ(registers::FindBranchCode(*list, "", "本店"), "");
}

TEST_F(BankMasterFile, CodesAreFoundAfreshFromTheFile)
{
    auto list = banks();  // opened before the change below
    db->Execute("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名) VALUES ('0033', '新銀行')");
    const auto found = registers::FindBankByCode(*db, "0033");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "新銀行");
    EXPECT_FALSE(registers::FindBankByCode(*db, "0034"));
    ASSERT_TRUE(registers::FindBranchByCode(*db, "0001203"));
    EXPECT_EQ(registers::FindBranchByCode(*db, "0001203")->name, "新宿支店");
}

}  // namespace
