#include "setup/CompanySettingsPrintout.h"

#include "common/DateFormat.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "setup/PrintFields.h"

#include <array>
#include <cstdint>
#include <utility>

namespace setup {

namespace {

// Labels of the company block and the fields they show, in print order.
constexpr std::array<std::pair<const char*, const char*>, 13> kCompanyFields = {{
    {"法人番号      ：", schema::column::CorporateNumber},
    {"フリガナ      ：", schema::column::CompanyNameKana},
    {"事業所名      ：", schema::column::CompanyName},
    {"郵便番号      ：", schema::column::PostCode},
    {"住所1         ：", schema::column::Address1},
    {"住所2         ：", schema::column::Address2},
    {"電話番号      ：", schema::column::Phone},
    {"FAX番号       ：", schema::column::Fax},
    {"事業種目      ：", schema::column::LineOfBusiness},
    {"所轄税務署    ：", schema::column::TaxOffice},
    {"事業主役職名  ：", schema::column::OwnerTitle},
    {"事業主氏名    ：", schema::column::OwnerName},
    {"会社Eメール   ：", schema::column::CompanyEmail},
}};

std::string CodeText(const dao::Value& code, std::initializer_list<const char*> texts)
{
    const std::string stored = code.toText();
    int number = 1;
    for (const char* text : texts) {
        if (stored == std::to_string(number))
            return text;
        ++number;
    }
    return {};
}

std::int64_t AmountOrZero(const dao::Value& value)
{
    return !value.isNull() && value.isNumeric() ? value.toInt64() : 0;
}

// The lines of the list, each checked against the bottom of the page first.
class CompanySettingsLines {
public:
    explicit CompanySettingsLines(const SetupPage& page) : m_page(page.withMargin(kColumn6Margin)) {}

    void header() { m_page.headerBlock(kCompanySettingsTitle, SetupPageText(kOnePagePageLabel, m_pageNumber)); }
    void print(const std::string& text, bool withGap)
    {
        if (!m_page.roomFor(1)) {
            m_page.newPage();
            ++m_pageNumber;
            header();
        }
        m_page.line(text);
        if (withGap)
            m_page.gap();
    }
    void blank() { m_page.blankLines(1); }

private:
    SetupPage m_page;
    int m_pageNumber = 1;
};

}  // namespace

std::string FilingStatusText(const dao::Value& code)
{
    return CodeText(code, {"免税", "簡易課税", "原則課税"});
}
std::string TaxMethodText(const dao::Value& code)
{
    return CodeText(code, {"外税", "内税", "別途入力", "計算なし"});
}
std::string FractionRuleText(const dao::Value& code)
{
    return CodeText(code, {"切捨て", "四捨五入", "切り上げ"});
}

std::string BankAccountPrintLine(const dao::Recordset& bankAccount)
{
    const dao::Value opening = bankAccount.get(schema::column::OpeningBalance);
    std::string line = LeftSet(bankAccount.get(schema::column::BankName).toText(), 16)
        + LeftSet(bankAccount.get(schema::column::BranchName).toText(), 16)
        + LeftSet(bankAccount.get(schema::column::DepositKind).toText(), 16);
    if (!opening.isNull() && opening.isNumeric())
        line += o::FormatNumber(opening.toInt64(), o::kAmount11Mask);
    return line;
}

std::string TaxRatePrintLine(const dao::Recordset& taxRate)
{
    const std::string date = o::FormatDate(taxRate.get(schema::column::Date), o::kSlashDate);
    if (date.empty())
        return {};
    const dao::Value rate = taxRate.get(schema::column::TaxRate);
    const std::string rateText =
        !rate.isNull() && rate.isNumeric() ? " " + o::FormatNumber(rate.toInt64(), o::kWholeMask) : "";
    return date + rateText + "%";
}

void PrintCompanySettings(SetupPage& page, dao::Recordset& settings, dao::Recordset* bankAccounts,
                          dao::Recordset* taxRates)
{
    page.device().setFontName("ＭＳ ゴシック");
    CompanySettingsLines out(page);
    out.header();

    out.print("《 会社基本情報 》", true);
    for (const auto& [label, field] : kCompanyFields)
        out.print(label + settings.get(field).toText(), true);

    out.blank();
    out.print("会計年度      ：第" + settings.get(schema::column::PeriodNumber).toText() + "期", true);
    out.print("会計期間      ：" + o::FormatDate(settings.get(schema::column::PeriodStart), "yyyy/mm/dd ～ ")
                  + o::FormatDate(settings.get(schema::column::PeriodEnd), o::kSlashDate),
              true);
    out.print("決算報告日    ：" + o::FormatDate(settings.get(schema::column::ReportDate), o::kSlashDate), true);

    out.blank();
    out.print("《 預貯金残高 》", true);
    const std::int64_t cash = AmountOrZero(settings.get(schema::column::OpeningCash));
    const std::int64_t deposits = AmountOrZero(settings.get(schema::column::OpeningDeposits));
    out.print("期首現金残高:" + o::FormatAmountField(cash, o::kAmount10Mask, 16), true);
    out.print("期首預金残高:" + o::FormatAmountField(deposits, o::kAmount10Mask, 16), true);
    out.print("期首現金預金:" + o::FormatAmountField(cash + deposits, o::kAmount10Mask, 16), true);

    out.blank();
    out.print("《 取引銀行 》", true);
    if (bankAccounts && !bankAccounts->isEmpty()) {
        // Every account, also one whose bank or branch has no name.
        for (bankAccounts->MoveFirst(); !bankAccounts->EOF_(); bankAccounts->MoveNext())
            out.print(BankAccountPrintLine(*bankAccounts), false);
    }

    out.blank();
    out.print("《 消費税設定 》", true);
    out.print("申告区分      ：" + FilingStatusText(settings.get(schema::column::TaxFiling)), false);
    out.print("処理方法      ：" + TaxMethodText(settings.get(schema::column::TaxHandling)), false);
    out.print(std::string("消費税計算    ：")
                  + (settings.get(schema::column::TaxCalculation).toBool() ? "自動計算" : "計算なし"),
              false);
    out.print("端数処理    　：" + FractionRuleText(settings.get(schema::column::Rounding)), false);

    out.blank();
    out.print("《 消費税率 》", true);
    if (taxRates && !taxRates->isEmpty()) {
        for (taxRates->MoveFirst(); !taxRates->EOF_(); taxRates->MoveNext()) {
            const std::string line = TaxRatePrintLine(*taxRates);
            if (!line.empty())
                out.print(line, false);
            page.gap();
        }
    }
    page.newPage();
}

}  // namespace setup
