#pragma once
// What the program needs of a period file: every table and saved query it opens
// by name, with the fields it reads or writes. `velmora-periodfile check`
// (PeriodFileCheck.h) tests a file against it.

#include <span>
#include <string_view>

namespace periodfile {

enum class ObjectKind {
    Table,          // must be a table (opened in table mode)
    Query,          // a saved query the program only reads (a view, or a table)
    WritableQuery,  // a saved query the program writes through (registered in dao_updatable_views)
};

struct RequiredObject {
    std::string_view name;
    ObjectKind kind;
    std::span<const std::string_view> fields;
};

namespace fields {

inline constexpr std::string_view kSettings[] = {
    "事業所名", "会計年度",   "会計期間開始日", "会計期間終了日", "決算報告日",   "法人番号",
    "フリガナ", "郵便番号",   "住所1",          "住所2",          "電話番号",     "FAX番号",
    "事業種目", "所轄税務署", "事業主役職名",   "事業主氏名",     "会社Eメール",  "業種",
    "申告区分", "処理方法",   "消費税計算",     "端数処理",       "期首現金残高", "期首預金残高",
    "金額単位", "元号",       "負記号",         "決算書用紙B5",   "帳票用紙B5",
};

inline constexpr std::string_view kChart[] = {
    "勘定科目コード",
    "勘定科目名",
    "借貸区分",
    "相方有無",
    "消費税",
    "簡易課税",
    "適用",
    "大分類",
    "中分類",
    "小分類",
    "内容",
    "名称変更不可",
    "期首残高",
    "前年決算残高",
    "前2決算残高",
    "前3決算残高",
    "前4決算残高",
    "前5決算残高",
    "予算管理",
    "借方合計",
    "貸方合計",
    "期末貸借合計",
    "期末残高",
    "現在残高",
    "標準勘定科目名",
    "販売業勘定科目名",
    "製造業勘定科目名",
    "建設業勘定科目名",
    "運送業勘定科目名",
    "医療勘定科目名",
    "農業勘定科目名",
    "標準使用",
    "販売使用",
    "製造使用",
    "建設使用",
    "運送使用",
    "医療使用",
    "農業使用",
};

inline constexpr std::string_view kChart2[] = {
    "勘定科目コード2", "勘定科目名2", "消費税2", "簡易課税2", "大分類2", "中分類2", "小分類2",
};

// The journal's own columns and the names joined to its codes.
inline constexpr std::string_view kJournal[] = {
    "日付",       "伝票番号", "追番",       "摘要",       "取引先",   "借方コード",  "入金",
    "貸方コード", "出金",     "銀行コード", "支店コード", "決算仕訳", "勘定科目名",  "借貸区分",
    "大分類",     "中分類",   "小分類",     "消費税",     "簡易課税", "勘定科目名2", "大分類2",
    "中分類2",    "小分類2",  "消費税2",    "簡易課税2",  "銀行名",   "支店名",
};

inline constexpr std::string_view kChangeLog[] = {
    "変更日", "変更理由",   "伝票番号",   "日付",       "追番",       "摘要",
    "取引先", "借方コード", "貸方コード", "銀行コード", "支店コード",
};

inline constexpr std::string_view kTemplate[] = {
    "仕訳ID",  "追番",       "摘要",       "取引先",    "借方コード", "入金",        "貸方コード",
    "出金",    "銀行コード", "支店コード", "決算仕訳",  "表示順位",   "勘定科目名",  "借貸区分",
    "大分類",  "中分類",     "小分類",     "消費税",    "簡易課税",   "勘定科目名2", "大分類2",
    "中分類2", "小分類2",    "消費税2",    "簡易課税2", "銀行名",     "支店名",
};

inline constexpr std::string_view kTaxRate[] = {"日付", "税率", "簡易税率"};
inline constexpr std::string_view kEra[] = {"年号", "和暦名称"};

inline constexpr std::string_view kPartner[] = {
    "取引先名", "取引内容", "取引先ランク", "締日", "支払日", "住所", "代表者", "電話番号", "メールアドレス",
};

inline constexpr std::string_view kBankAccount[] = {
    "no", "銀行コード", "支店コード", "種別", "期首残高", "現残高", "期末残高", "銀行名", "支店名",
};

inline constexpr std::string_view kBankMaster[] = {"銀行コード", "銀行名", "振込銀行名", "使用銀行"};
inline constexpr std::string_view kBranchMaster[] = {"銀行コード", "支店コード", "支店名",
                                                     "振込支店名", "使用支店",   "銀行名"};
inline constexpr std::string_view kDepositKind[] = {"種別"};

inline constexpr std::string_view kFixedAsset[] = {
    "管理番号", "名称",   "数量",   "勘定科目コード", "勘定科目名", "取得年月日", "取得価格", "償却方法",
    "耐用年数", "償却率", "保証率", "残存価格",       "減価償却費", "使用部署名", "備考",
};

inline constexpr std::string_view kLease[] = {
    "契約番号", "資産名称",   "勘定科目コード", "勘定科目名", "取得年月日", "購入日",     "購入金額",
    "支払総額", "リース回数", "月リース料金",   "月支払利息", "減価償却費", "リース会社", "使用部署",
    "備考",     "物件名称",   "リース期間",     "総額",       "リース料",   "開始日",
};

}  // namespace fields

inline constexpr RequiredObject kRequiredObjects[] = {
    {"会計設定", ObjectKind::Table, fields::kSettings},
    {"預金種別", ObjectKind::Table, fields::kDepositKind},
    {"Q_勘定科目コード表", ObjectKind::WritableQuery, fields::kChart},
    {"Q_勘定科目コード表2", ObjectKind::WritableQuery, fields::kChart2},
    {"Q_勘定科目コード表２", ObjectKind::WritableQuery, fields::kChart2},
    {"Q_使用勘定科目表", ObjectKind::WritableQuery, fields::kChart},
    {"Q_仕訳台帳", ObjectKind::WritableQuery, fields::kJournal},
    {"Q_決算仕訳台帳", ObjectKind::WritableQuery, fields::kJournal},
    {"Q_現金出納帳", ObjectKind::Query, fields::kJournal},
    {"Q_取引銀行仕訳", ObjectKind::WritableQuery, fields::kJournal},
    {"Q_仕訳変更履歴", ObjectKind::WritableQuery, fields::kChangeLog},
    {"Q_仕訳定型台帳", ObjectKind::WritableQuery, fields::kTemplate},
    {"Q_決算仕訳定型台帳", ObjectKind::Query, fields::kTemplate},
    {"Q_消費税率", ObjectKind::WritableQuery, fields::kTaxRate},
    {"Q_年号コード", ObjectKind::Query, fields::kEra},
    {"Q_取引先管理", ObjectKind::WritableQuery, fields::kPartner},
    {"Q_取引銀行", ObjectKind::WritableQuery, fields::kBankAccount},
    {"Q_使用銀行", ObjectKind::Query, fields::kBankMaster},
    {"Q_使用銀行支店", ObjectKind::Query, fields::kBranchMaster},
    {"Q_銀行コードﾏｽﾀｰ", ObjectKind::WritableQuery, fields::kBankMaster},
    {"Q_支店コードﾏｽﾀｰ", ObjectKind::WritableQuery, fields::kBranchMaster},
    {"Q_固定資産台帳", ObjectKind::WritableQuery, fields::kFixedAsset},
    {"Q_リース資産管理", ObjectKind::WritableQuery, fields::kLease},
};

}  // namespace periodfile
