#pragma once
// The fonts the windows ask for by their usual names, and the installed fonts
// that stand for them: "ＭＳ ゴシック" (fixed pitch) IPAGothic, "ＭＳ Ｐゴシック"
// IPAPGothic, "ＭＳ 明朝" IPAMincho, "ＭＳ Ｐ明朝" IPAPMincho.

#include <QFont>

namespace frame {

inline constexpr const char* kFixedPitchFont = "ＭＳ ゴシック";
inline constexpr const char* kProportionalFont = "ＭＳ Ｐゴシック";

void installFontSubstitutions();

QFont fixedPitchFont(double pointSize);    // lists
QFont proportionalFont(double pointSize);  // labels

}  // namespace frame
