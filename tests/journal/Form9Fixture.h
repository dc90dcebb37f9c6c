#pragma once
// The journal-entry window on a prepared period file with a bank account and
// two partners: typing into the grid, and the stored journal and history rows.

#include "Form9WindowFixture.h"
#include "support/RowPrinting.h"
#include "support/TempPeriodFile.h"

#include <QSignalBlocker>

namespace journal::testing {

// One stored journal row, as the tests compare it.
struct StoredRow {
    std::string number, date, rowNumber, description, partner, debitCode, debit, creditCode, credit, bankCode,
        branchCode;
    bool closing = false;

    bool operator==(const StoredRow&) const = default;
};
inline void PrintTo(const StoredRow& row, std::ostream* out)
{
    testsupport::PrintFields(out,
                             {{"number", row.number},
                              {"date", row.date},
                              {"rowNumber", row.rowNumber},
                              {"description", row.description},
                              {"partner", row.partner},
                              {"debitCode", row.debitCode},
                              {"debit", row.debit},
                              {"creditCode", row.creditCode},
                              {"credit", row.credit},
                              {"bankCode", row.bankCode},
                              {"branchCode", row.branchCode},
                              {"closing", row.closing ? "true" : "false"}});
}

// One change-history row.
struct HistoryRow {
    std::string reason, number, date, rowNumber, description, partner, debitCode, creditCode, bankCode, branchCode;

    bool operator==(const HistoryRow&) const = default;
};
inline void PrintTo(const HistoryRow& row, std::ostream* out)
{
    testsupport::PrintFields(out,
                             {{"reason", row.reason},
                              {"number", row.number},
                              {"date", row.date},
                              {"rowNumber", row.rowNumber},
                              {"description", row.description},
                              {"partner", row.partner},
                              {"debitCode", row.debitCode},
                              {"creditCode", row.creditCode},
                              {"bankCode", row.bankCode},
                              {"branchCode", row.branchCode}});
}

class Form9Test : public Form9WindowTest {
public:
    void beforeLoad() override
    {
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(file.path());
        db->Execute("INSERT INTO 取引銀行(no, 銀行コード, 支店コード, 種別, 期首残高) VALUES (1, '0001', '0001203', "
                    "'普通預金', 0)");
        db->Execute("INSERT INTO 取引先管理(取引先名) VALUES ('山田商店')");
        db->Execute("INSERT INTO 取引先管理(取引先名) VALUES ('鈴木工業')");
        db->Execute("UPDATE 勘定科目コード表 SET 相方有無 = 0 WHERE 勘定科目名 = '消耗品費'");
        prepare(*db);
        o::DbFilePath = file.path();
    }

    // Settings a test wants before the window loads.
    virtual void prepare(dao::Database&) {}

    EntryGrid& grid() { return form->grid(); }

    static void type(QLineEdit* cell, const QString& text)
    {
        cell->setText(text);
        leave(cell);
    }
    static void type(QComboBox* cell, const QString& text)
    {
        cell->setEditText(text);
        leave(cell);
    }
    void setDate(const QString& year, const QString& month, const QString& day)
    {
        form->Combo2[0]->setEditText(year);
        form->Combo2[1]->setEditText(month);
        form->Combo2[2]->setEditText(day);
        leave(form->Combo2[2]);
    }
    void press(int button) { form->Command1[button]->click(); }
    void editOn()
    {
        if (o::EditMode == o::EditModeOff)
            press(Form9::Edit);
    }
    // Fills one grid row: description, debit account, amount typed on the debit side, credit account.
    void fillRow(int row, const QString& description, const QString& debit, const QString& amount,
                 const QString& credit)
    {
        EntryGrid& g = grid();
        g.Text1[row]->setText(description);
        if (!debit.isNull())
            type(g.Combo1[row], debit);
        if (!credit.isNull())
            type(g.Combo7[row], credit);
        type(g.Text8[row], amount);
    }
    // Chooses a line of the journal list as a mouse click does.
    void clickLine(int line)
    {
        {
            const QSignalBlocker quiet(form->List2);
            form->List2->setCurrentRow(line);
        }
        form->List2_Click();
    }

    std::vector<StoredRow> journalRows()
    {
        std::vector<StoredRow> rows;
        auto rs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return rows;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            const auto t = [&](const char* f) { return rs->get(f).toText(); };
            const auto date = rs->get("日付").toDate();
            rows.push_back({t("伝票番号"), date ? date->isoText() : "", t("追番"), t("摘要"), t("取引先"),
                            t("借方コード"), t("入金"), t("貸方コード"), t("出金"), t("銀行コード"), t("支店コード"),
                            rs->get("決算仕訳").toBool()});
        }
        return rows;
    }
    std::vector<HistoryRow> historyRows()
    {
        std::vector<HistoryRow> rows;
        auto rs = db->OpenRecordset("Q_仕訳変更履歴", dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return rows;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            const auto t = [&](const char* f) { return rs->get(f).toText(); };
            const auto date = rs->get("日付").toDate();
            rows.push_back({t("変更理由"), t("伝票番号"), date ? date->isoText() : "", t("追番"), t("摘要"),
                            t("取引先"), t("借方コード"), t("貸方コード"), t("銀行コード"), t("支店コード")});
        }
        return rows;
    }

    testsupport::TempPeriodFile file;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
};

}  // namespace journal::testing
