#pragma once
// What the register tests put into a period file before the setup window loads,
// and how they read the registers back.

#include "setup/SetupFixture.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace setuptest {

// Two banks in use that each have a branch "本店": 三菱ＵＦＪ銀行 (0005, its 本店
// 0005001 first in the branch order) and 三井住友銀行 (0009, 本店 0009001). With
// `accounts`, the company holds an ordinary account at each (no 1 and 2), so
// that the template grid finds both banks by name.
inline void AddTwoMainOffices(dao::Database& d, bool accounts)
{
    d.Execute("UPDATE 銀行コードﾏｽﾀｰ SET 使用銀行 = 1 WHERE 銀行コード = '0005'");
    d.Execute("UPDATE 支店コードﾏｽﾀｰ SET 使用支店 = 1 WHERE 支店コード = '0005001'");
    d.Execute("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名, 振込支店名, 使用支店) "
              "VALUES ('0009', '0009001', '本店', 'ﾎﾝﾃﾝ', 1)");
    if (accounts) {
        d.Execute("INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別, 期首残高, 現残高) "
                  "VALUES (1, '0005', '0005001', '普通預金', 0, 0)");
        d.Execute("INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別, 期首残高, 現残高) "
                  "VALUES (2, '0009', '0009001', '普通預金', 0, 0)");
    }
}

// One fixed asset, F-1 検査装置 of 工具器具備品 (145): bought 2023-04-01 for
// 1,000,000 yen, straight line over five years, 800,000 left.
inline void AddInspectionDevice(dao::Database& d)
{
    AddRow(d, "Q_固定資産台帳",
           {{"管理番号", "F-1"},
            {"名称", "検査装置"},
            {"数量", 1},
            {"勘定科目コード", "145"},
            {"取得年月日", dao::Date{2023, 4, 1}},
            {"取得価格", 1000000},
            {"償却方法", "定額法"},
            {"耐用年数", 5},
            {"償却率", 20.0},
            {"残存価格", 800000}});
}

// Row 1 of template `id`: rent (525) paid from the 三井住友銀行 本店 ordinary
// account (103), 110,000 yen, not a closing template, shown first.
inline void AddRentTemplateRow(dao::Database& d, const std::string& id)
{
    AddRow(d, "Q_仕訳定型台帳",
           {{"仕訳ID", id},
            {"追番", 1},
            {"摘要", "家賃支払"},
            {"借方コード", "525"},
            {"入金", 110000},
            {"貸方コード", "103"},
            {"出金", 110000},
            {"銀行コード", "0009"},
            {"支店コード", "0009001"},
            {"決算仕訳", false},
            {"表示順位", "1"}});
}

// The fields of every row of `source` in its order, one text per row, the
// values joined with "|" (Null and empty alike as "").
inline std::vector<std::string> Rows(dao::Database& d, const std::string& source,
                                     std::initializer_list<const char*> fields)
{
    std::vector<std::string> rows;
    auto rs = d.OpenRecordset(source, dao::RecordsetType::Snapshot);
    if (rs->isEmpty())
        return rows;
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
        std::string row;
        bool first = true;
        for (const char* field : fields) {
            row += (first ? "" : "|") + rs->get(field).toText();
            first = false;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace setuptest
