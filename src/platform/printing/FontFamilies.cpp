#include "platform/printing/FontFamilies.h"

namespace printing {

std::string substituteFontFamily(const std::string& requested)
{
    if (requested == "ＭＳ ゴシック")
        return "IPAGothic";
    if (requested == "ＭＳ 明朝")
        return "IPAMincho";
    if (requested == "ＭＳ Ｐゴシック")
        return "IPAPGothic";
    return requested;
}

}  // namespace printing
