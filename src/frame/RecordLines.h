#pragma once
// The lines of a record list as UTF-8, kept compactly for lists that grow with
// the books: the lines lie in blocks of a few hundred, each block one buffer
// with the ends of its lines, so that a line costs its bytes and four more, and
// changing a few lines rewrites one or two blocks, never the whole list. A
// line becomes text for the screen only when the view draws it.

#include <QAbstractListModel>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace frame {

class RecordLines : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return static_cast<int>(m_count); }
    // The line at `row` (0 <= row < count()).
    std::string_view line(int row) const;

    // Every line replaced (the view's lines, selection and current line go).
    void setLines(const std::vector<std::string>& lines);
    // Every line replaced by the lines `next` gives, one a call, until it
    // returns false; no list of them is held on the way.
    void fill(const std::function<bool(std::string& line)>& next);
    // Every line replaced by the lines `produce` hands, in turn, to the `add`
    // it is given; no list of them is held on the way.
    using LineSink = std::function<void(std::string_view line)>;
    void fillFrom(const std::function<void(const LineSink& add)>& produce);
    void clear();
    // Line `row` shows `text`: the same line, its text changed.
    void setLine(int row, std::string_view text);
    // Lines [first, first + count) go; the lines after them stay the same lines.
    void removeLines(int first, int count);
    // `lines` come before line `first` (count() to add them at the end).
    void insertLines(int first, const std::vector<std::string>& lines);

private:
    struct Block {
        std::string text;
        std::vector<std::uint32_t> ends;  // where each line ends in `text`
        std::size_t size() const { return ends.size(); }
        std::string_view line(std::size_t i) const;
    };

    // The block holding `row` and the row's place in it.
    std::pair<std::size_t, std::size_t> locate(std::size_t row) const;
    // Lines [first, first + removed) become `lines`, block by block.
    void splice(std::size_t first, std::size_t removed, const std::vector<std::string_view>& lines);
    void rebuildStarts();
    void append(std::string_view line);  // at the end, during a fill

    std::vector<Block> m_blocks;
    std::vector<std::size_t> m_starts;  // the first row of each block
    std::size_t m_count = 0;
};

}  // namespace frame
