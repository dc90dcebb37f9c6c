#include "closing/RowChunks.h"

#include <algorithm>

namespace closing {

void ForEachRowChunk(const std::vector<long long>& rows,
                     const std::function<void(const std::string& rowsIn, const std::vector<dao::Value>& params)>& chunk)
{
    constexpr std::size_t kRowsAStatement = 500;
    for (std::size_t from = 0; from < rows.size(); from += kRowsAStatement) {
        const std::size_t to = std::min(rows.size(), from + kRowsAStatement);
        std::string places;
        std::vector<dao::Value> params;
        params.reserve(to - from);
        for (std::size_t i = from; i < to; ++i) {
            places += i == from ? "?" : ",?";
            params.emplace_back(rows[i]);
        }
        chunk("rowid IN (" + places + ")", params);
    }
}

}  // namespace closing
