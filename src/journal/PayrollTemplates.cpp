#include "journal/PayrollTemplates.h"

#include "platform/dao/Recordset.h"

#include <functional>

namespace journal {

std::vector<PayrollTemplateRecord> ReadPayrollTemplateRecords(dao::Recordset& templates)
{
    std::vector<PayrollTemplateRecord> rows;
    if (templates.isEmpty())
        return rows;
    const bool hadRow = !templates.BOF() && !templates.EOF_();
    const dao::Bookmark start = hadRow ? templates.getBookmark() : dao::Bookmark{};
    for (templates.MoveFirst(); !templates.EOF_(); templates.MoveNext())
        rows.push_back(ReadJournalRecord(templates, RecordKind::Template));
    if (hadRow)
        templates.setBookmark(start);
    else
        templates.MoveFirst();
    return rows;
}

namespace {

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

struct Lookup {
    const char* label;  // how the messages name the template
    std::function<bool(const PayrollTemplateRecord&)> matches;
};

Lookup byDebitName(const char* name, const char* label)
{
    const std::string wanted = name;
    return {label, [wanted](const PayrollTemplateRecord& r) { return r.debitName == wanted; }};
}

}  // namespace

PayrollTemplates FindPayrollTemplates(const std::vector<PayrollTemplateRecord>& rows, PayrollKind kind)
{
    static const char* const kPartTimers = "雑給（アルバイト、パート）";
    const std::array<Lookup, kPayrollGroups> lookups = kind == PayrollKind::Salary
        ? std::array<Lookup, kPayrollGroups>{byDebitName("役員報酬", "役員報酬"), byDebitName("給与手当", "給与手当"),
                                             byDebitName("雑給", kPartTimers)}
        : std::array<Lookup, kPayrollGroups>{byDebitName("役員賞与", "役員賞与"), byDebitName("賞与", "賞与"),
                                             Lookup{kPartTimers, [](const PayrollTemplateRecord& r) {
                                                        return !r.description.empty() && r.debitName == "雑給"
                                                            && endsWith(r.description, "賞与");
                                                    }}};

    PayrollTemplates result;
    for (int group = 0; group < kPayrollGroups; ++group) {
        const Lookup& lookup = lookups[group];
        std::size_t found = 0;
        while (found < rows.size() && !lookup.matches(rows[found]))
            ++found;
        if (found == rows.size()) {
            result.error = std::string("定型仕訳に") + lookup.label + "の仕訳が登録されていません";
            return result;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            if (found + k >= rows.size() || rows[found + k].number != rows[found].number) {
                result.error = std::string("定型仕訳の") + lookup.label
                    + "の仕訳は4行（差引支給額と3つの控除）が必要です。行が足りません";
                return result;
            }
            if (rows[found + k].debitCode.empty() || rows[found + k].creditCode.empty()) {
                result.error = std::string("定型仕訳の") + lookup.label + "の仕訳に勘定科目のない行があります";
                return result;
            }
            result.groups[group][k] = rows[found + k];
        }
        if (group == static_cast<int>(PayrollGroup::PartTimers) && found + 4 < rows.size()
            && rows[found + 4].number == rows[found].number)
            result.childVoucherCode = rows[found + 4].debitCode;
    }
    return result;
}

}  // namespace journal
