#include "journal/TemplateLoad.h"

#include "platform/dao/Recordset.h"

namespace journal {

namespace {

bool isRowOf(dao::Recordset& templates, const std::string& id)
{
    return !templates.BOF() && !templates.EOF_() && templates.get("仕訳ID").toText() == id;
}

std::int64_t amountOrZero(const dao::Value& v)
{
    return v.isNumeric() ? v.toInt64() : 0;
}

}  // namespace

void LocateTemplate(dao::Recordset& templates, int lineIndex)
{
    if (templates.isEmpty() || lineIndex < 0 || lineIndex >= templates.RecordCount())
        return;
    templates.MoveFirst();
    templates.Move(lineIndex);
    const std::string id = templates.get("仕訳ID").toText();
    // Step back over the template's earlier rows.
    while (true) {
        templates.MovePrevious();
        if (templates.BOF()) {
            templates.MoveFirst();
            return;
        }
        if (!isRowOf(templates, id)) {
            templates.MoveNext();
            return;
        }
    }
}

bool LoadTemplateAmounts(dao::Recordset& templates, AmountArray& debitAmounts, AmountArray& creditAmounts,
                         std::int64_t& debitTotal, std::int64_t& creditTotal)
{
    if (templates.EOF_() || templates.BOF())
        return false;
    const dao::Bookmark start = templates.getBookmark();
    const std::string id = templates.get("仕訳ID").toText();
    debitTotal = creditTotal = 0;
    for (int k = 0; k < kGridRows; ++k)
        debitAmounts[k] = creditAmounts[k] = 0;
    bool tooLong = false;
    for (int k = 0; isRowOf(templates, id); ++k) {
        if (k == kGridRows) {
            tooLong = true;
            break;
        }
        // The columns are 32-bit, so each amount fits the arrays.
        debitAmounts[k] = static_cast<std::int32_t>(amountOrZero(templates.get("入金")));
        creditAmounts[k] = static_cast<std::int32_t>(amountOrZero(templates.get("出金")));
        debitTotal += debitAmounts[k];
        creditTotal += creditAmounts[k];
        templates.MoveNext();
    }
    templates.setBookmark(start);
    return tooLong;
}

LoadedTemplate ReadTemplateRows(dao::Recordset& templates)
{
    LoadedTemplate loaded;
    if (templates.EOF_() || templates.BOF())
        return loaded;
    const dao::Bookmark start = templates.getBookmark();
    const std::string id = templates.get("仕訳ID").toText();
    while (isRowOf(templates, id)) {
        if (static_cast<int>(loaded.rows.size()) == kGridRows) {
            loaded.tooLong = true;
            break;
        }
        loaded.rows.push_back(ReadTemplateRecord(templates));
        templates.MoveNext();
    }
    templates.setBookmark(start);
    return loaded;
}

int TemplateVoucherKind(const TemplateRecord& firstRow, const std::string& cashCode)
{
    int kind = 0;
    if (cashCode.empty())
        return kind;
    if (firstRow.debitCode == cashCode)
        kind = 1;
    if (firstRow.creditCode == cashCode)
        kind = 2;
    return kind;
}

}  // namespace journal
