// The journal by business partner: terms labels and the partner's rows.
#include "books/BooksFixture.h"
#include "books/PartnerJournal.h"

#include <gtest/gtest.h>

using namespace bookstest;

namespace books {

void PrintTo(const PartnerTerms& terms, std::ostream* out)
{
    testsupport::PrintFields(out,
                             {{"content", terms.content},
                              {"rank", terms.rank},
                              {"closingDay", terms.closingDay},
                              {"payment", terms.payment}});
}

}  // namespace books

namespace {

const dao::Date kNow{2024, 4, 30, 9, 0, 0};

struct Row {
    std::string account, debit, credit, balance;

    bool operator==(const Row&) const = default;
};
void PrintTo(const Row& row, std::ostream* out)
{
    testsupport::PrintFields(
        out, {{"account", row.account}, {"debit", row.debit}, {"credit", row.credit}, {"balance", row.balance}});
}

Row columnsOf(const std::string& line)
{
    return {trimmed(bytesOf(line, 54, 68)), bytesOf(line, 71, 82), bytesOf(line, 84, 95),
            trimmed(bytesOf(line, 97, 110))};
}

books::PartnerTerms termsOf(dao::Database& db, const std::string& partner)
{
    auto partners = db.OpenRecordset("Q_取引先管理");
    partners->MoveFirst();
    while (!partners->EOF_() && partners->get("取引先名").toText() != partner)
        partners->MoveNext();
    return books::partnerTerms(*partners);
}

std::string amount12(const std::string& text)
{
    return std::string(12 - text.size(), ' ') + text;
}

}  // namespace

TEST(PartnerJournal, TermsLabelsOfRegisteredAndUnknownPartners)
{
    BooksFixture fx;
    auto db = fx.open();
    EXPECT_EQ(termsOf(*db, "東京商事"),
              (books::PartnerTerms{"取引内容：", "ランク：A", "締日：20日", "支払日：30日後"}));
    EXPECT_EQ(termsOf(*db, "大阪物産"), (books::PartnerTerms{"取引内容：仕入先", "", "", ""}));

    const books::PartnerTerms unknown = termsOf(*db, "未登録商店");
    EXPECT_EQ(unknown.content, "");
    EXPECT_EQ(unknown.rank, "");
}

TEST(PartnerJournal, RowsOfThePartnerUnderEachRule)
{
    BooksFixture fx;
    auto db = fx.open();
    {
        SCOPED_TRACE("debit rule (first account in use is debit-normal)");
        auto accounts = db->OpenRecordset("Q_使用勘定科目表");
        const auto rule = books::partnerRuleFor(accounts->get("借貸区分"));
        ASSERT_EQ(rule, books::PartnerRule::Debit);
        auto journal = db->OpenRecordset("Q_仕訳台帳");
        const auto lines = bookLines(books::partnerJournalLines, *journal, "大阪物産", rule, kNow);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(columnsOf(lines[0]), (Row{"買掛金", amount12("600"), "------------", "600"}));
        // Paying the payable: debit account credit-normal.
        EXPECT_EQ(columnsOf(lines[1]), (Row{"買掛金", "------------", amount12("500"), "100"}));
        EXPECT_EQ(byteWidth(lines[0]), 141);
        EXPECT_EQ(trimmed(bytesOf(lines[1], 112, 125)), "青葉銀行");
    }
    {
        SCOPED_TRACE("credit rule: the empty column holds blanks");
        auto journal = db->OpenRecordset("Q_仕訳台帳");
        const auto lines =
            bookLines(books::partnerJournalLines, *journal, "大阪物産", books::PartnerRule::Credit, kNow);
        ASSERT_EQ(lines.size(), 2u);
        const Row first = columnsOf(lines[0]);
        EXPECT_EQ(first.debit, amount12("600"));
        EXPECT_EQ(first.credit, std::string(12, ' '));
        EXPECT_EQ(first.balance, "-600");
        const Row second = columnsOf(lines[1]);
        EXPECT_EQ(second.debit, std::string(12, ' '));
        EXPECT_EQ(second.credit, amount12("500"));
        EXPECT_EQ(second.balance, "-100");
    }
}

TEST(PartnerJournal, OnlyExactPartnerRowsAndEmptyDescriptionKeepsColumns)
{
    BooksFixture fx;
    fx.addJournal({"2024-04-11", "V40", code::Receivable, 40, code::Sales, 40, "", "東京商事", "", ""});
    fx.addJournal({"2024-04-12", "V41", code::Receivable, 41, code::Sales, 41, "別名", "東京商事株式会社", "", ""});
    auto db = fx.open();
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    const auto lines = bookLines(books::partnerJournalLines, *journal, "東京商事", books::PartnerRule::Debit, kNow);
    ASSERT_EQ(lines.size(), 3u);  // V03, V05 and V40; not the longer name
    EXPECT_EQ(bytesOf(lines[2], 14, 50), std::string(37, ' '));
    EXPECT_EQ(trimmed(bytesOf(lines[2], 97, 110)), "2,040");
    // Shown twice, the list starts again from 0.
    auto again = db->OpenRecordset("Q_仕訳台帳");
    EXPECT_EQ(bookLines(books::partnerJournalLines, *again, "東京商事", books::PartnerRule::Debit, kNow), lines);
}

// A row without a debit account (one side of a compound voucher) has no
// normal side of its own: neither 0 nor 1, so each rule takes it by its
// "other" line.
TEST(PartnerJournal, RowWithoutDebitAccountTakesTheOtherLineOfEitherRule)
{
    BooksFixture fx;
    fx.addJournal({"2024-04-13", "V42", "", 80, code::Sales, 80, "片側", "大阪物産", "", ""});
    auto db = fx.open();
    struct Case {
        const char* name;
        books::PartnerRule rule;
        Row last;
    };
    const Case cases[] = {
        // Debit rule: 600 - 500 = 100, then the credit column lowers it by 80.
        {"debit rule", books::PartnerRule::Debit, {"", "------------", amount12("80"), "20"}},
        // Credit rule: -600 + 500 = -100, then the debit column lowers it by 80.
        {"credit rule", books::PartnerRule::Credit, {"売上高", amount12("80"), std::string(12, ' '), "-180"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto journal = db->OpenRecordset("Q_仕訳台帳");
        const auto lines = bookLines(books::partnerJournalLines, *journal, "大阪物産", c.rule, kNow);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(columnsOf(lines[2]), c.last);
    }
    EXPECT_EQ(books::partnerRuleFor(dao::Value()), books::PartnerRule::Credit);
    EXPECT_EQ(books::partnerRuleFor(dao::Value(0)), books::PartnerRule::Debit);
    EXPECT_EQ(books::partnerRuleFor(dao::Value(2)), books::PartnerRule::Credit);
}
