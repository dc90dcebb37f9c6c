#pragma once
// A small manufacturing company whose every statement figure is worked out by
// hand in the tests: a dozen-odd accounts across every class (cash and
// deposits, receivables, stocks, a building, payables, capital, sales,
// purchases, cost of sales, the manufacturing accounts, selling and
// administrative expenses, non-operating and extraordinary items, a 決算１
// and a 決算２ account), opening balances, sixteen vouchers of the period and
// three closing entries. The period runs from 2024-04-01 to 2025-03-31.
//
// Closing balances after the tally (natural side):
//   100 現金 3,000          101 普通預金 6,070      110 売掛金 4,000
//   121 原材料 250          122 仕掛品 150          140 建物 9,000
//   200 買掛金 3,000        210 未払金 600          213 未払法人税等 900
//   260 資本金 14,500       270 利益準備金 500
//   400 売上高 10,000       411 仕入高 3,000        413 外注原価 400
//   430 期首原材料棚卸高 400 (opening)  431 原材料仕入高 1,200
//   432 原材料値引戻し高 200            433 期末原材料棚卸高 250
//   440 賃金 900            450 外注加工費 600
//   460 期首仕掛品棚卸高 100 (opening)  461 期末仕掛品棚卸高 150
//   500 給与手当 1,500      510 荷造運賃 300
//   600 受取利息 50         610 支払利息 80
//   700 固定資産売却益 700  710 固定資産除却損 1,000
//   800 法人税等 900 (決算１)           850 前期繰越利益 2,000 (決算２, opening)
//   999 諸口 0;             150 ソフトウェア is not in use.
// Profit: R 11,350, D 9,480, T 1,870, T1 900, T2 2,000, 当期未処分利益 2,970.

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Value.h"
#include "support/ByteColumns.h"
#include "support/TempPeriodFile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace statementstest {

using testsupport::bytesOf;
using testsupport::byteWidth;
using testsupport::trimmed;

struct FixtureRow {
    std::string date;  // "YYYY-MM-DD", "" for none
    std::string debitCode;
    dao::Value debitAmount;
    std::string creditCode;
    dao::Value creditAmount;
    std::string description;
    bool closing = false;
};

class StatementsFixture {
public:
    StatementsFixture();
    ~StatementsFixture();
    StatementsFixture(const StatementsFixture&) = delete;
    StatementsFixture& operator=(const StatementsFixture&) = delete;

    const std::string& path() const { return m_file.path(); }
    const std::filesystem::path& dir() const { return m_file.dir(); }
    std::shared_ptr<dao::Database> db() { return m_db; }
    dao::Workspace& workspace() { return *dao::DBEngine::instance().Workspaces(0); }

    void execute(const std::string& sql, const std::vector<dao::Value>& params = {});
    void addRow(const FixtureRow& row);
    // Runs the tally and the closing balances on the file.
    void recompute();

    // A stored figure of an account (借方合計, 期末残高, ...) read straight from the table.
    long long figure(const std::string& code, const std::string& field);

    static const std::vector<FixtureRow>& journal();

private:
    testsupport::TempPeriodFile m_file;
    std::shared_ptr<dao::Database> m_db;
};

}  // namespace statementstest
