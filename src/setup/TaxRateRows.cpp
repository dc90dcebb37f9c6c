#include "setup/TaxRateRows.h"

#include "journal/EntryDate.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "setup/ShownRecords.h"

#include <algorithm>

namespace setup {

namespace {

// A whole percent from 0 to 100 written with ASCII digits.
std::optional<int> wholePercent(const std::string& text)
{
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    const int value = std::stoi(text);
    if (value > 100)
        return std::nullopt;
    return value;
}

std::string rowName(int row)
{
    static const char* const digits[] = {"１", "２", "３", "４", "５"};
    return std::string(digits[row]) + "行目";
}

}  // namespace

std::variant<std::vector<TaxRateRow>, std::string>
CheckTaxRateRows(const std::array<TaxRateRowTexts, kTaxRateRows>& rows)
{
    std::vector<TaxRateRow> result;
    bool ended = false;
    for (int i = 0; i < kTaxRateRows; ++i) {
        const TaxRateRowTexts& row = rows[i];
        if (row.year.empty()) {
            if (!row.month.empty() || !row.day.empty() || !row.rate.empty() || !row.simplified.empty())
                return "消費税率の" + rowName(i) + "に実施年月日の年がありません";
            ended = true;
            continue;
        }
        if (ended)
            return "消費税率の" + rowName(i) + "の上に空白の行があります。行を詰めて入力してください";
        const auto from = journal::DateFromBoxes(row.year, row.month, row.day);
        if (!from)
            return "消費税率の" + rowName(i) + "の実施年月日が正しくありません";
        const auto rate = wholePercent(row.rate);
        if (!rate)
            return "消費税率の" + rowName(i) + "の税率は０から１００までの整数で入力してください";
        std::optional<int> simplified;
        if (!row.simplified.empty()) {
            simplified = wholePercent(row.simplified);
            if (!simplified)
                return "消費税率の" + rowName(i) + "の簡易税率は０から１００までの整数で入力してください";
        }
        for (const TaxRateRow& earlier : result)
            if (earlier.from == *from)
                return "消費税率の" + rowName(i) + "の実施年月日が他の行と重複しています";
        result.push_back({*from, *rate, simplified});
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const TaxRateRow& a, const TaxRateRow& b) { return a.from < b.from; });
    return result;
}

std::vector<std::string> ShownTaxRates(dao::Recordset& rates)
{
    std::vector<std::string> prints;
    if (rates.isEmpty())
        return prints;
    for (rates.MoveFirst(); !rates.EOF_(); rates.MoveNext())
        prints.push_back(RecordFingerprint(rates));
    return prints;
}

std::optional<std::string> ReplaceTaxRateTable(dao::Workspace& ws, dao::Database& db,
                                               const std::vector<std::string>& shown,
                                               const std::vector<TaxRateRow>& rows)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto table = db.OpenRecordset(schema::query::TaxRates, dao::RecordsetType::Dynaset);
        if (ShownTaxRates(*table) != shown) {
            refusal = kTaxRatesChangedElsewhere;
            return;
        }
        if (table->RecordCount() > kTaxRateRows) {
            refusal = "消費税率表に" + std::to_string(table->RecordCount())
                + "行あり、画面の５行では書き直せません。消費税率表は更新しませんでした";
            return;
        }
        if (!table->isEmpty())
            for (table->MoveFirst(); !table->EOF_(); table->MoveNext())
                table->Delete();
        for (const TaxRateRow& row : rows) {
            table->AddNew();
            table->set(schema::column::Date, row.from);
            table->set(schema::column::TaxRate, row.rate);
            if (row.simplified)
                table->set(schema::column::SimplifiedTaxRate, *row.simplified);
            else
                table->set(schema::column::SimplifiedTaxRate, dao::Value());
            table->Update();
        }
    });
    return refusal;
}

}  // namespace setup
