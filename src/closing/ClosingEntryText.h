#pragma once
// The closing window's own texts for the closing vouchers and the lines of its
// closing lists.

namespace closing {

inline const char* const kDeleteQuestion = "選択された仕訳を削除します　よろしいですか？";
inline const char* const kDeleteQuestionTitle = "仕訳入力";

// A voucher or template that another window or program deleted or changed
// after the closing lists showed it.
inline const char* const kClosingVoucherVanished =
    "この決算仕訳は、表示した後に別の画面か別のプログラムで削除されています。何も変えていません。"
    "決算仕訳リストを読み込み直しました。";
inline const char* const kClosingVoucherChanged =
    "この決算仕訳は、表示した後に別の画面か別のプログラムで変更されています。何も変えていません。"
    "決算仕訳リストを読み込み直しましたので、選び直してください。";
inline const char* const kClosingTemplateVanished =
    "この定型仕訳は、表示した後に別の画面か別のプログラムで削除されています。"
    "決算仕訳定型リストを読み込み直しました。";
inline const char* const kClosingTemplateChanged =
    "この定型仕訳は、表示した後に別の画面か別のプログラムで変更されています。"
    "決算仕訳定型リストを読み込み直しましたので、選び直してください。";

// A write that failed, followed by its cause on a line of its own.
inline const char* const kUpdateFailed = "決算仕訳を更新できませんでした。何も変えていません。";
inline const char* const kDeleteFailed = "決算仕訳を削除できませんでした。何も変えていません。";

}  // namespace closing
