#pragma once
// The line of the fixed-asset list (List5) for one record of Q_固定資産台帳.

#include "platform/dao/Recordset.h"

#include <string>

namespace registers {

// 管理番号 (10 bytes), 名称 (16), 数量 ("#0" in 4 characters), 勘定科目名 (12),
// 取得年月日 (" yyyy/mm/dd" in 18), 取得価格 ("###,###,##0" in 14), 償却方法 (10),
// 耐用年数 ("#0" and "年" in 4 characters), 償却率 ("#0.000" in 6), 保証率
// ("#0.000" in 8), 残存価格 and 減価償却費 ("##,###,##0" in 10 each, a blank
// between them so that two full fields never read as one number), 使用部署名
// (10), 備考 (10), with the blanks between them that the register's list has.
// Texts are fitted to their width in Shift-JIS bytes; numbers are right-aligned in
// characters, one too wide for its field filling it with "*". A field without a
// value shows as blanks (a life without one shows no "年" either).
std::string FixedAssetListLine(const dao::Recordset& assets);

}  // namespace registers
