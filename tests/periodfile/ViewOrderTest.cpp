// The saved queries deliver their rows in the order the windows rely on, and
// their filters keep the right rows: rows are inserted out of order and read back.

#include "SchemaFixture.h"

namespace periodfile::testing {
namespace {

using Rows = std::vector<std::string>;

class ViewOrderTest : public SchemaFixture {
protected:
    void journalRow(const std::string& date, const std::string& voucher, int row, const std::string& debit,
                    const std::string& credit, const std::string& bank = "", const std::string& branch = "",
                    bool closing = false)
    {
        exec("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 貸方コード, 銀行コード, 支店コード, 決算仕訳, "
             "摘要)"
             " VALUES ('"
             + date + "', '" + voucher + "', " + std::to_string(row) + ", '" + debit + "', '" + credit + "', '" + bank
             + "', '" + branch + "', " + (closing ? "1" : "0") + ", '" + voucher + "-" + std::to_string(row) + "')");
    }
    void account(const std::string& code, const std::string& name, bool inUse = true)
    {
        exec("INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名, 適用) VALUES ('" + code + "', '" + name + "', "
             + (inUse ? "1" : "0") + ")");
        exec("INSERT INTO 勘定科目コード表2 (勘定科目コード2, 勘定科目名2) VALUES ('" + code + "', '" + name + "')");
    }
};

TEST_F(ViewOrderTest, JournalKeepsEachVoucherTogetherInRowOrderAndVouchersInDateOrder)
{
    journalRow("2024-05-10", "240510120000", 2, "100", "400");
    journalRow("2024-04-03", "240403090000", 1, "100", "400");
    journalRow("2024-05-10", "240510120000", 1, "100", "400");
    journalRow("2024-04-20", "240420100000", 10, "100", "400");
    journalRow("2024-04-20", "240420100000", 9, "100", "400");
    EXPECT_EQ(column("SELECT 摘要 FROM Q_仕訳台帳"),
              (Rows{"240403090000-1", "240420100000-9", "240420100000-10", "240510120000-1", "240510120000-2"}));
}

TEST_F(ViewOrderTest, ClosingJournalHoldsOnlyClosingRowsInVoucherOrder)
{
    journalRow("2025-03-31", "250331170000", 2, "800", "213", "", "", true);
    journalRow("2024-06-01", "240601100000", 1, "100", "400");
    journalRow("2025-03-31", "250331170000", 1, "800", "213", "", "", true);
    EXPECT_EQ(column("SELECT 摘要 FROM Q_決算仕訳台帳"), (Rows{"250331170000-1", "250331170000-2"}));
}

TEST_F(ViewOrderTest, CashBookHoldsRowsWithCashOnEitherSideInDateOrder)
{
    account("100", "現金");
    account("103", "普通預金");
    account("400", "売上高");
    journalRow("2024-06-01", "A", 1, "400", "100");  // cash on the credit side
    journalRow("2024-04-01", "B", 1, "100", "400");  // cash on the debit side
    journalRow("2024-05-01", "C", 1, "103", "400");  // no cash
    EXPECT_EQ(column("SELECT 伝票番号 FROM Q_現金出納帳"), (Rows{"B", "A"}));
}

TEST_F(ViewOrderTest, BankJournalKeepsEachAccountsRowsTogetherInDateOrder)
{
    journalRow("2024-06-01", "A", 1, "103", "400", "0005", "0005001");
    journalRow("2024-04-01", "B", 1, "103", "400", "0001", "0001002");
    journalRow("2024-05-01", "C", 1, "103", "400", "0005", "0005001");
    journalRow("2024-04-15", "D", 1, "100", "400");  // no bank
    journalRow("2024-03-01", "E", 1, "103", "400", "0001", "0001001");
    EXPECT_EQ(column("SELECT 伝票番号 FROM Q_取引銀行仕訳"), (Rows{"E", "B", "C", "A"}));
}

TEST_F(ViewOrderTest, AccountsInUseFollowTheCodeAndLeaveOutAccountsNotInUse)
{
    account("529", "減価償却費");
    account("100", "現金");
    account("999", "諸口");
    account("201", "買掛金", false);
    account("140", "建物");
    EXPECT_EQ(column("SELECT 勘定科目名 FROM Q_使用勘定科目表"), (Rows{"現金", "建物", "減価償却費", "諸口"}));
    EXPECT_EQ(column("SELECT 勘定科目名 FROM Q_勘定科目コード表"),
              (Rows{"現金", "建物", "買掛金", "減価償却費", "諸口"}));
    EXPECT_EQ(column("SELECT 勘定科目名2 FROM Q_勘定科目コード表2"),
              (Rows{"現金", "建物", "買掛金", "減価償却費", "諸口"}));
}

TEST_F(ViewOrderTest, ErasAndTaxRatesComeInDateOrder)
{
    exec("INSERT INTO 年号コード (年号, 和暦名称) VALUES ('2019-05-01', '令和'), ('1926-12-25', '昭和'),"
         " ('1989-01-08', '平成')");
    exec("INSERT INTO 消費税率 (日付, 税率, 簡易税率) VALUES ('2019-10-01', 10, 6), ('1989-04-01', 3, 2),"
         " ('2014-04-01', 8, 5), ('1997-04-01', 5, 4)");
    EXPECT_EQ(column("SELECT 和暦名称 FROM Q_年号コード"), (Rows{"昭和", "平成", "令和"}));
    EXPECT_EQ(column("SELECT 税率 FROM Q_消費税率"), (Rows{"3", "5", "8", "10"}));
}

TEST_F(ViewOrderTest, TemplatesKeepTheirRowsTogetherInRowOrderByDisplayOrder)
{
    auto row = [&](const std::string& id, int n, const std::string& order, bool closing = false) {
        exec("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 表示順位, 決算仕訳, 摘要) VALUES ('" + id + "', "
             + std::to_string(n) + ", '" + order + "', " + (closing ? "1" : "0") + ", '" + id + "-" + std::to_string(n)
             + "')");
    };
    row("B", 2, "2");
    row("A", 3, "");
    row("C", 1, "1", true);
    row("B", 1, "2");
    row("A", 1, "");
    row("C", 2, "1", true);
    // A later edit gave one row of B another display order: the template still stays together.
    row("B", 3, "9");
    EXPECT_EQ(column("SELECT 摘要 FROM Q_仕訳定型台帳"), (Rows{"C-1", "C-2", "B-1", "B-2", "B-3", "A-1", "A-3"}));
    EXPECT_EQ(column("SELECT 摘要 FROM Q_決算仕訳定型台帳"), (Rows{"C-1", "C-2"}));
}

TEST_F(ViewOrderTest, BankMastersAndBanksInUseComeInCodeOrder)
{
    exec("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名, 使用銀行) VALUES ('0009', '三井住友', 1), ('0001', 'みずほ', "
         "1),"
         " ('0005', '三菱ＵＦＪ', 0)");
    exec("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名, 使用支店) VALUES"
         " ('0009', '0009100', '東京', 1), ('0001', '0001200', '新宿', 0), ('0001', '0001100', '本店', 1),"
         " ('0005', '0005001', '丸の内', 1)");
    EXPECT_EQ(column("SELECT 銀行名 FROM Q_銀行コードﾏｽﾀｰ"), (Rows{"みずほ", "三菱ＵＦＪ", "三井住友"}));
    EXPECT_EQ(column("SELECT 銀行名 FROM Q_使用銀行"), (Rows{"みずほ", "三井住友"}));
    EXPECT_EQ(column("SELECT 支店名 FROM Q_支店コードﾏｽﾀｰ"), (Rows{"本店", "新宿", "丸の内", "東京"}));
    EXPECT_EQ(column("SELECT 支店名 FROM Q_使用銀行支店"), (Rows{"本店", "丸の内", "東京"}));
}

TEST_F(ViewOrderTest, CompanyBankAccountsComeInTheirNumberOrder)
{
    exec("INSERT INTO 取引銀行 (no, 銀行コード, 種別) VALUES (2, '0009', '当座預金'), (1, '0001', '普通預金')");
    EXPECT_EQ(column("SELECT 種別 FROM Q_取引銀行"), (Rows{"普通預金", "当座預金"}));
}

}  // namespace
}  // namespace periodfile::testing
