#pragma once
// A sequence held in chunks of a few hundred items, for the lists that grow
// with the journal: an item is found by its place through the chunks' first
// places, and a change of a few items in the middle rewrites the one or two
// chunks they stand in, never the items after them. Replacing items by as many
// others writes them where they stand.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace journal {

template <typename T> class ChunkedList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        const T& operator*() const { return (*m_chunks)[m_chunk][m_place]; }
        const T* operator->() const { return &**this; }
        const_iterator& operator++()
        {
            if (++m_place == (*m_chunks)[m_chunk].size()) {
                ++m_chunk;
                m_place = 0;
            }
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const
        {
            return m_chunk == other.m_chunk && m_place == other.m_place;
        }

    private:
        friend class ChunkedList;
        const_iterator(const std::vector<std::vector<T>>* chunks, std::size_t chunk, std::size_t place)
            : m_chunks(chunks), m_chunk(chunk), m_place(place)
        {
        }
        const std::vector<std::vector<T>>* m_chunks = nullptr;
        std::size_t m_chunk = 0;
        std::size_t m_place = 0;
    };

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const_iterator begin() const { return {&m_chunks, 0, 0}; }
    const_iterator end() const { return {&m_chunks, m_chunks.size(), 0}; }

    void clear()
    {
        m_chunks.clear();
        m_starts.clear();
        m_size = 0;
    }

    void push_back(T item)
    {
        if (m_chunks.empty() || m_chunks.back().size() >= kChunkItems) {
            m_starts.push_back(m_size);
            m_chunks.emplace_back();
            m_chunks.back().reserve(kChunkItems);
        }
        m_chunks.back().push_back(std::move(item));
        ++m_size;
    }

    const T& operator[](std::size_t place) const
    {
        const auto [chunk, at] = locate(place);
        return m_chunks[chunk][at];
    }
    const T& back() const { return m_chunks.back().back(); }

    // Items [first, first + count) become `items`.
    void replace(std::size_t first, std::size_t count, std::vector<T> items)
    {
        if (items.size() == count) {
            for (std::size_t i = 0; i < count; ++i) {
                const auto [chunk, at] = locate(first + i);
                m_chunks[chunk][at] = std::move(items[i]);
            }
            return;
        }
        // The chunks the change touches, whole: the items of them it keeps and the new ones.
        std::size_t firstChunk = 0;
        std::size_t endChunk = 0;
        if (!m_chunks.empty()) {
            firstChunk = first < m_size ? locate(first).first : m_chunks.size() - 1;
            endChunk = (count > 0 ? locate(first + count - 1).first : firstChunk) + 1;
        }
        std::vector<T> merged;
        std::size_t place = firstChunk < m_starts.size() ? m_starts[firstChunk] : 0;
        for (std::size_t c = firstChunk; c < endChunk; ++c) {
            for (T& item : m_chunks[c]) {
                if (place == first)
                    std::move(items.begin(), items.end(), std::back_inserter(merged));
                if (place < first || place >= first + count)
                    merged.push_back(std::move(item));
                ++place;
            }
        }
        if (place <= first)
            std::move(items.begin(), items.end(), std::back_inserter(merged));

        std::vector<std::vector<T>> rebuilt;
        const std::size_t pieces = (merged.size() + kChunkItems - 1) / kChunkItems;
        for (std::size_t piece = 0; piece < pieces; ++piece) {
            // Pieces of equal size, so that the next change here has room.
            const std::size_t from = merged.size() * piece / pieces;
            const std::size_t to = merged.size() * (piece + 1) / pieces;
            std::vector<T> chunk;
            chunk.reserve(kChunkItems);
            std::move(merged.begin() + static_cast<std::ptrdiff_t>(from),
                      merged.begin() + static_cast<std::ptrdiff_t>(to), std::back_inserter(chunk));
            rebuilt.push_back(std::move(chunk));
        }
        const auto at = m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(firstChunk),
                                       m_chunks.begin() + static_cast<std::ptrdiff_t>(endChunk));
        m_chunks.insert(at, std::make_move_iterator(rebuilt.begin()), std::make_move_iterator(rebuilt.end()));
        m_starts.resize(m_chunks.size());
        m_size = 0;
        for (std::size_t c = 0; c < m_chunks.size(); ++c) {
            m_starts[c] = m_size;
            m_size += m_chunks[c].size();
        }
    }

    bool operator==(const ChunkedList& other) const
    {
        return m_size == other.m_size && std::equal(begin(), end(), other.begin());
    }

private:
    static constexpr std::size_t kChunkItems = 256;

    // The chunk holding `place` and the item's place in it.
    std::pair<std::size_t, std::size_t> locate(std::size_t place) const
    {
        const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), place);
        const auto chunk = static_cast<std::size_t>(after - m_starts.begin()) - 1;
        return {chunk, place - m_starts[chunk]};
    }

    std::vector<std::vector<T>> m_chunks;  // none of them empty
    std::vector<std::size_t> m_starts;     // the place of each chunk's first item
    std::size_t m_size = 0;
};

}  // namespace journal
