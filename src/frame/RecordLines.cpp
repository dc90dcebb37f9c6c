#include "frame/RecordLines.h"

#include <algorithm>

namespace frame {

namespace {

// Lines a block holds at most: a change rewrites at most a few blocks of this size.
constexpr std::size_t kBlockLines = 512;

}  // namespace

std::string_view RecordLines::Block::line(std::size_t i) const
{
    const std::size_t begin = i == 0 ? 0 : ends[i - 1];
    return std::string_view(text).substr(begin, ends[i] - begin);
}

int RecordLines::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RecordLines::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string_view text = line(index.row());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::ItemFlags RecordLines::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

std::pair<std::size_t, std::size_t> RecordLines::locate(std::size_t row) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), row);
    const auto block = static_cast<std::size_t>(after - m_starts.begin()) - 1;
    return {block, row - m_starts[block]};
}

std::string_view RecordLines::line(int row) const
{
    const auto [block, place] = locate(static_cast<std::size_t>(row));
    return m_blocks[block].line(place);
}

void RecordLines::rebuildStarts()
{
    m_starts.resize(m_blocks.size());
    std::size_t row = 0;
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        m_starts[i] = row;
        row += m_blocks[i].size();
    }
    m_count = row;
}

void RecordLines::splice(std::size_t first, std::size_t removed, const std::vector<std::string_view>& lines)
{
    // The blocks the change touches, whole: the lines of them it keeps and the new ones.
    std::size_t firstBlock = m_blocks.size();
    std::size_t endBlock = m_blocks.size();
    if (!m_blocks.empty()) {
        firstBlock = first < m_count ? locate(first).first : m_blocks.size() - 1;
        const std::size_t last = first + removed;
        endBlock = (removed > 0 && last - 1 < m_count ? locate(last - 1).first : firstBlock) + 1;
    }
    std::vector<std::string_view> merged;
    std::size_t row = firstBlock < m_blocks.size() ? m_starts[firstBlock] : 0;
    for (std::size_t b = firstBlock; b < endBlock; ++b) {
        for (std::size_t i = 0; i < m_blocks[b].size(); ++i, ++row) {
            if (row == first)
                merged.insert(merged.end(), lines.begin(), lines.end());
            if (row < first || row >= first + removed)
                merged.push_back(m_blocks[b].line(i));
        }
    }
    if (row <= first)
        merged.insert(merged.end(), lines.begin(), lines.end());

    std::vector<Block> rebuilt;
    for (std::size_t i = 0; i < merged.size(); i += kBlockLines) {
        Block block;
        const std::size_t end = std::min(merged.size(), i + kBlockLines);
        std::size_t bytes = 0;
        for (std::size_t j = i; j < end; ++j)
            bytes += merged[j].size();
        block.text.reserve(bytes);
        block.ends.reserve(end - i);
        for (std::size_t j = i; j < end; ++j) {
            block.text.append(merged[j]);
            block.ends.push_back(static_cast<std::uint32_t>(block.text.size()));
        }
        rebuilt.push_back(std::move(block));
    }
    const auto at = m_blocks.begin() + static_cast<std::ptrdiff_t>(std::min(firstBlock, m_blocks.size()));
    const auto erasedEnd = m_blocks.begin() + static_cast<std::ptrdiff_t>(std::min(endBlock, m_blocks.size()));
    const auto inserted = m_blocks.erase(at, erasedEnd);
    m_blocks.insert(inserted, std::make_move_iterator(rebuilt.begin()), std::make_move_iterator(rebuilt.end()));
    rebuildStarts();
}

void RecordLines::setLines(const std::vector<std::string>& lines)
{
    std::size_t next = 0;
    fill([&](std::string& line) {
        if (next == lines.size())
            return false;
        line = lines[next++];
        return true;
    });
}

void RecordLines::fill(const std::function<bool(std::string& line)>& next)
{
    fillFrom([&](const LineSink& add) {
        std::string line;
        while (next(line))
            add(line);
    });
}

void RecordLines::fillFrom(const std::function<void(const LineSink& add)>& produce)
{
    beginResetModel();
    m_blocks.clear();
    m_starts.clear();
    m_count = 0;
    // A line that cannot be made ends the fill with the lines made before it.
    struct EndReset {
        RecordLines& lines;
        ~EndReset()
        {
            if (!lines.m_blocks.empty()) {
                lines.m_blocks.back().text.shrink_to_fit();
                lines.m_blocks.back().ends.shrink_to_fit();
            }
            lines.rebuildStarts();
            lines.endResetModel();
        }
    } endReset{*this};
    produce([this](std::string_view line) { append(line); });
}

void RecordLines::append(std::string_view line)
{
    if (m_blocks.empty() || m_blocks.back().size() == kBlockLines) {
        if (!m_blocks.empty())
            m_blocks.back().text.shrink_to_fit();
        m_blocks.emplace_back();
        m_blocks.back().ends.reserve(kBlockLines);
    }
    Block& block = m_blocks.back();
    block.text.append(line);
    block.ends.push_back(static_cast<std::uint32_t>(block.text.size()));
}

void RecordLines::clear()
{
    setLines({});
}

void RecordLines::setLine(int row, std::string_view text)
{
    if (row < 0 || row >= count() || line(row) == text)
        return;
    splice(static_cast<std::size_t>(row), 1, {text});
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void RecordLines::removeLines(int first, int count)
{
    if (count <= 0)
        return;
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    splice(static_cast<std::size_t>(first), static_cast<std::size_t>(count), {});
    endRemoveRows();
}

void RecordLines::insertLines(int first, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    std::vector<std::string_view> views(lines.begin(), lines.end());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.size()) - 1);
    splice(static_cast<std::size_t>(first), 0, views);
    endInsertRows();
}

}  // namespace frame
