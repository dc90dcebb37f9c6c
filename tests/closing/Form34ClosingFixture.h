#pragma once
// The closing window on a period file with the standard chart, rates and
// banks (the period 2025-04-01 to 2026-03-31, tax rows on, fractions
// truncated, two company bank accounts), driven offscreen with scripted
// dialogs and a recording printer.

#include "support/TempPeriodFile.h"
#include "support/CaseName.h"
#include "support/WindowTestBase.h"

#include "closing/ClosingEntryTab.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"
#include "statements/Form34.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace closing::testing {

class Form34ClosingTest : public testsupport::WindowTestBase<> {
protected:
    Form34ClosingTest() : file("テスト商事", 12, "2025-04-01")
    {
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
    }

    void SetUp() override
    {
        WindowTestBase::SetUp();
        useFile(file.path(), file.dir());
        closing::registerClosingEntryTab();
        execute("UPDATE 会計設定 SET 消費税計算 = 1, 端数処理 = '1'");
        execute("INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別, 期首残高, 現残高, 期末残高)"
                " VALUES (1, '0001', '0001203', '普通預金', 0, 0, 0), (2, '0009', '0009232', '普通預金', 0, 0, 0)");
    }

    void closeWindows() override { form.reset(); }

    statements::Form34& open()
    {
        form = std::make_unique<statements::Form34>();
        form->show();
        return *form;
    }

    void execute(const std::string& sql, const std::vector<dao::Value>& params = {}) { db->Execute(sql, params); }

    ClosingEntryTab& tab() { return entryTab(*form); }
    static ClosingEntryTab& entryTab(statements::Form34& window)
    {
        return dynamic_cast<ClosingEntryTab&>(window.entryPage());
    }
    journal::EntryGrid& grid() { return tab().grid(); }

    // Entering a cell as the Tab key does.
    static void enter(QWidget* cell)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(cell, &in);
    }
    static void type(QComboBox* cell, const std::string& text)
    {
        cell->setEditText(QString::fromStdString(text));
        leave(cell);
    }
    static void type(QLineEdit* cell, const std::string& text)
    {
        cell->setText(QString::fromStdString(text));
        leave(cell);
    }

    void press(int index) { form->Command1.at(index)->click(); }
    void editOn()
    {
        if (!o::EditModeIsOn())
            press(statements::Form34::EditButton);
    }
    void setDate(const char* year, const char* month, const char* day)
    {
        tab().Combo2[0]->setEditText(year);
        tab().Combo2[1]->setEditText(month);
        tab().Combo2[2]->setEditText(day);
    }
    static void clickLine(QListWidget* list, int line) { list->setCurrentRow(line); }
    static std::string text(const QComboBox* c) { return c->currentText().toStdString(); }
    static std::string text(const QLineEdit* e) { return e->text().toStdString(); }
    static std::string text(const QLabel* l) { return l->text().toStdString(); }

    // The rows of `sql` as "a|b|c" lines, each field as text.
    std::vector<std::string> lines(const std::string& sql, const std::vector<const char*>& fields)
    {
        std::vector<std::string> out;
        auto rs = db->OpenRecordset(sql, dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return out;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            std::string line;
            for (const char* f : fields)
                line += (line.empty() ? "" : "|") + rs->get(f).toText();
            out.push_back(line);
        }
        return out;
    }
    // Closing entries: 日付|追番|摘要|借方コード|入金|貸方コード|出金|銀行コード|支店コード|決算仕訳, in entry order.
    std::vector<std::string> closingRows()
    {
        return lines("SELECT * FROM 仕訳台帳 WHERE 決算仕訳 <> 0 ORDER BY rowid",
                     {"日付", "追番", "摘要", "借方コード", "入金", "貸方コード", "出金", "銀行コード", "支店コード"});
    }
    std::vector<std::string> voucherNumbers()
    {
        return lines("SELECT DISTINCT 伝票番号 FROM 仕訳台帳 WHERE 決算仕訳 <> 0 ORDER BY 伝票番号", {"伝票番号"});
    }
    // The change history: 変更理由|伝票番号|日付|追番|摘要|借方コード|貸方コード|銀行コード|支店コード.
    std::vector<std::string> historyRows()
    {
        return lines(
            "SELECT * FROM 仕訳変更履歴 ORDER BY rowid",
            {"変更理由", "伝票番号", "日付", "追番", "摘要", "借方コード", "貸方コード", "銀行コード", "支店コード"});
    }
    std::vector<std::string> listLines(const QListWidget* list) const
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i)->text().toStdString());
        return out;
    }

    testsupport::TempPeriodFile file;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<statements::Form34> form;
};

}  // namespace closing::testing
