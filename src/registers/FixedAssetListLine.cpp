#include "registers/FixedAssetListLine.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"

#include <cstdio>

namespace registers {

namespace {

// Right-aligned in `width` characters; a number too wide for the field fills
// it with "*", never cut into another figure.
std::string RightAligned(const std::string& text, int width)
{
    return o::RightAlign(text, width);
}

std::string Whole(const dao::Value& value, const char* mask)
{
    return value.isNull() || !value.isNumeric() ? std::string() : o::FormatNumber(value.toInt64(), mask);
}

// "#0.000": at least one digit before the point, three after it.
std::string ThreeDecimals(const dao::Value& value)
{
    if (value.isNull() || !value.isNumeric())
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value.toDouble());
    return text;
}

std::string TextOrBlank(const dao::Value& value)
{
    const std::string text = value.toText();
    return text.empty() ? " " : text;
}

}  // namespace

std::string FixedAssetListLine(const dao::Recordset& assets)
{
    const std::string life = Whole(assets.get(schema::column::UsefulLife), o::kWholeMask);
    return o::FitByteWidth(assets.get(schema::column::AssetNumber).toText(), 10) + " "
        + o::FitByteWidth(assets.get(schema::column::AssetName).toText(), 16) + " "
        + RightAligned(Whole(assets.get(schema::column::Quantity), o::kWholeMask), 4) + "    "
        + o::FitByteWidth(TextOrBlank(assets.get(schema::column::AccountName)), 12) + " "
        + o::FitByteWidth(o::FormatDate(assets.get(schema::column::AcquiredOn), " yyyy/mm/dd"), 18) + "  "
        + RightAligned(Whole(assets.get(schema::column::AcquisitionCost), o::kAmountMask), 14) + " "
        + o::FitByteWidth(assets.get(schema::column::DepreciationMethod).toText(), 10)
        + RightAligned(life.empty() ? life : life + "年", 4) + "  　"
        + RightAligned(ThreeDecimals(assets.get(schema::column::DepreciationRate)), 6) + "  "
        + RightAligned(ThreeDecimals(assets.get(schema::column::GuaranteeRate)), 8) + " "
        + RightAligned(Whole(assets.get(schema::column::ResidualValue), o::kAmount8Mask), 10) + " "
        + RightAligned(Whole(assets.get(schema::column::Depreciation), o::kAmount8Mask), 10) + " "
        + o::FitByteWidth(TextOrBlank(assets.get(schema::column::AssetDepartment)), 10) + " "
        + o::FitByteWidth(TextOrBlank(assets.get(schema::column::Remarks)), 10);
}

}  // namespace registers
