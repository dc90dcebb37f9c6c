#pragma once
// Small helpers shared by the parts of the journal-entry window.

#include <QString>

#include <string>

namespace journal::form9 {

inline int px(int twips)
{
    return twips / 15;
}  // twips to pixels at 96 dpi
inline QString q(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string s(const QString& text)
{
    return text.toStdString();
}
inline QString dayItem(int day)
{
    return QString::number(day) + "日";
}

inline const char* const kWindowTitle = "仕訳入力";
inline const char* const kDeleteQuestion = "選択された仕訳を削除します　よろしいですか？";
inline const char* const kCodeNotRegistered = "勘定科目コードが登録されていません";
inline const char* const kFirstRowUnequal = "1行目の借方、貸方の合計金額が相違します";

// A voucher or template that another window or program deleted or changed
// after this window showed or loaded it.
inline const char* const kVoucherVanished =
    "この仕訳は、表示した後に別の画面か別のプログラムで削除されています。何も変えていません。"
    "仕訳帳を読み込み直しました。";
inline const char* const kVoucherChanged =
    "この仕訳は、表示した後に別の画面か別のプログラムで変更されています。何も変えていません。"
    "仕訳帳を読み込み直しましたので、選び直してください。";
inline const char* const kTemplateVanished = "この定型仕訳は、表示した後に別の画面か別のプログラムで削除されています。"
                                             "仕訳定型リストを読み込み直しました。";
inline const char* const kTemplateChanged = "この定型仕訳は、表示した後に別の画面か別のプログラムで変更されています。"
                                            "仕訳定型リストを読み込み直しましたので、選び直してください。";

}  // namespace journal::form9
