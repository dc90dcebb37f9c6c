#include "frame/Fonts.h"

namespace frame {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}

QFont fixedPitchFont(double pointSize)
{
    QFont font(QString::fromUtf8(kFixedPitchFont));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont proportionalFont(double pointSize)
{
    QFont font(QString::fromUtf8(kProportionalFont));
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace frame
