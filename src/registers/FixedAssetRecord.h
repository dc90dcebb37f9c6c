#pragma once
// Writing the fixed-asset fields into a record of Q_固定資産台帳, as "登録" and
// "更新" of the register do, and the account check they make first.

#include "platform/dao/Recordset.h"
#include "registers/FixedAssetFields.h"

#include <optional>
#include <string>

namespace registers {

inline constexpr const char* kUnknownAccountMessage = "勘定科目名が登録されていません";
inline constexpr const char* kNoListLineMessage = "リストボックスが選択されていません";
// "削除" asks this in a Yes/No box titled "固定資産台帳".
inline constexpr const char* kDeleteFixedAssetQuestion = "選択された固定資産を削除します　よろしいですか？";

// The 勘定科目コード of the first account in use (a recordset on
// Q_使用勘定科目表) named `name`; nullopt when none is, and the register then
// refuses with "勘定科目名が登録されていません". Both buttons check it, so that
// an asset never points at no account.
std::optional<std::string> UsedAccountCode(dao::Recordset& usedAccounts, const std::string& name);

// Sets the fields of the record being added or edited (after AddNew or Edit), in
// the register's order: 管理番号, 名称, 数量, 勘定科目コード, 取得年月日, 取得価格,
// 償却方法, 耐用年数 (0 for an empty text), 償却率, 残存価格, 保証率 and 減価償却費
// ("登録" writes them only when typed, "更新" always, empty meaning no value),
// 使用部署名 and 備考. Numbers are read from their texts (thousands separators
// allowed); a number out of its field's range throws dao::DaoError. The fields
// must have passed CheckFixedAssetFields.
void WriteFixedAssetFields(dao::Recordset& assets, const FixedAssetFields& fields, const std::string& accountCode,
                           FixedAssetCheck button);

}  // namespace registers
