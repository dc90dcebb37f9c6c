#pragma once
// A prepared period file for the closing runs: the standard chart, rates and
// settings, a period of its own, and helpers to add rows and read them back.

#include "support/TempPeriodFile.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace closing::testing {

class ClosingFileTest : public ::testing::Test {
protected:
    explicit ClosingFileTest(const std::string& firstDay = "2025-04-01") : file("テスト商事", 12, firstDay)
    {
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(file.path());
    }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }

    // One journal row; 摘要 "取引", no bank.
    void addRow(const std::string& date, const std::string& number, const std::string& debit, long long debitAmount,
                const std::string& credit, long long creditAmount, bool closing = false,
                const std::string& description = "取引")
    {
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                    " VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?)",
                    {date, number, description, debit, debitAmount, credit, creditAmount, closing ? 1 : 0});
    }

    void setSetting(const std::string& field, const dao::Value& value)
    {
        db->Execute("UPDATE 会計設定 SET \"" + field + "\" = ?", {value});
    }

    // The rows of the journal added after `fromRowid`, as
    // "伝票番号|日付|追番|摘要|借方コード|入金|貸方コード|出金|決算仕訳".
    std::vector<std::string> journalLines(const std::string& where = "1 = 1")
    {
        std::vector<std::string> lines;
        auto rs = db->OpenRecordset("SELECT * FROM 仕訳台帳 WHERE " + where + " ORDER BY rowid",
                                    dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return lines;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            std::string line;
            for (const char* f : {"伝票番号", "日付", "追番", "摘要", "借方コード", "入金", "貸方コード", "出金"})
                line += (line.empty() ? "" : "|") + rs->get(f).toText();
            line += rs->get("決算仕訳").toBool() ? "|決算" : "|";
            lines.push_back(line);
        }
        return lines;
    }

    std::string dump() { return testsupport::DumpRows(*db, "SELECT * FROM 仕訳台帳 ORDER BY rowid"); }

    testsupport::TempPeriodFile file;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
};

}  // namespace closing::testing
