#pragma once
// Small helpers shared by the parts of the journal-entry window.

#include <QString>

#include <string>

namespace journal::form9 {

inline int px(int twips) { return twips / 15; }   // twips to pixels at 96 dpi
inline QString q(const std::string& text) { return QString::fromStdString(text); }
inline std::string s(const QString& text) { return text.toStdString(); }
inline QString dayItem(int day) { return QString::number(day) + "日"; }

inline const char* const kWindowTitle = "仕訳入力";
inline const char* const kDeleteQuestion = "選択された仕訳を削除します　よろしいですか？";
inline const char* const kCodeNotRegistered = "勘定科目コードが登録されていません";
inline const char* const kFirstRowUnequal = "1行目の借方、貸方の合計金額が相違します";

}  // namespace journal::form9
