#include "StoredValueRefusal.h"

#include "ValueDomains.h"

namespace dao {

namespace {

// A value for a message: at most 40 characters.
std::string shortened(const std::string& text)
{
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++chars > 40)
            return text.substr(0, i) + "…";
    }
    return text;
}

// The row's first two fields that hold a value that reads well, such as
// "日付 2024/4/3、伝票番号 002".
std::string identityOf(const std::vector<ColumnInfo>& columns, const std::vector<Value>& row, int column)
{
    std::string identity;
    int shown = 0;
    for (size_t i = 0; i < columns.size() && shown < 2; ++i) {
        const ColumnInfo& info = columns[i];
        if (info.hidden || static_cast<int>(i) == column || storedValueProblem(row[i], info.type)
            || domainProblem(info.domainRule, row[i], info.joined))
            continue;
        const std::string text = row[i].toText();
        if (text.empty())
            continue;
        identity += (shown++ ? "、" : "") + info.name + " " + shortened(text);
    }
    return identity;
}

}  // namespace

DaoError StoredValueRefusal(const std::string& path, const std::string& table, long long place,
                            const std::vector<ColumnInfo>& columns, const std::vector<Value>& row, int column,
                            const StoredValueProblem& problem)
{
    const std::string identity = identityOf(columns, row, column);
    const ColumnInfo& bad = columns[static_cast<size_t>(column)];
    return DaoError(
        problem.code,
        "ファイル「" + path + "」の「" + table + "」の " + std::to_string(place) + " 行目"
            + (identity.empty() ? "" : "（" + identity + "）") + "で、フィールド「" + bad.name
            + (problem.empty ? "」が空です" : "」の値「" + shortened(row[static_cast<size_t>(column)].toText()) + "」")
            + problem.text + "。この値を直してから、もう一度開いてください。");
}

}  // namespace dao
