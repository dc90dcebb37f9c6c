// A list held in chunks reads as the plain sequence it stands for after every
// change: lines replaced by as many others, by more or by fewer, at its start,
// inside one chunk, across the edges of chunks and at its end; replacing by as
// many rewrites the items where they stand.
#include "journal/ChunkedList.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <numeric>
#include <ostream>
#include <vector>

using journal::ChunkedList;

namespace {

// The list holds 1,000 items (a few chunks) before the change.
constexpr int kItems = 1000;

struct Change {
    const char* name;
    std::size_t first;
    std::size_t count;
    int added;
};

void PrintTo(const Change& c, std::ostream* out)
{
    *out << c.name;
}

const Change kChanges[] = {
    {"two inserted at the start", 0, 0, 2},    {"two inserted in the middle", 500, 0, 2},
    {"two inserted at the end", kItems, 0, 2}, {"one chunk's worth inserted", 300, 0, 300},
    {"three removed at the start", 0, 3, 0},   {"removed across a chunk's edge", 250, 10, 0},
    {"every item removed", 0, kItems, 0},      {"last item removed", kItems - 1, 1, 0},
    {"as many replaced in place", 254, 4, 4},  {"fewer replace more across an edge", 250, 12, 5},
    {"more replace fewer", 700, 2, 6},
};

class ChunkedListTest : public ::testing::TestWithParam<Change> {};

INSTANTIATE_TEST_SUITE_P(Changes, ChunkedListTest, ::testing::ValuesIn(kChanges), testsupport::kCaseName);

std::vector<int> itemsOf(const ChunkedList<int>& list)
{
    std::vector<int> items;
    for (std::size_t i = 0; i < list.size(); ++i)
        items.push_back(list[i]);
    EXPECT_EQ(std::vector<int>(list.begin(), list.end()), items) << "walked and read by place alike";
    return items;
}

TEST_P(ChunkedListTest, ReadsAsThePlainSequenceAfterTheChange)
{
    const Change& c = GetParam();
    std::vector<int> expected(kItems);
    std::iota(expected.begin(), expected.end(), 0);
    ChunkedList<int> list;
    for (int item : expected)
        list.push_back(item);

    std::vector<int> added(static_cast<std::size_t>(c.added));
    std::iota(added.begin(), added.end(), 100000);
    const auto at = expected.begin() + static_cast<std::ptrdiff_t>(c.first);
    expected.insert(expected.erase(at, at + static_cast<std::ptrdiff_t>(c.count)), added.begin(), added.end());
    list.replace(c.first, c.count, added);
    EXPECT_EQ(list.size(), expected.size());
    EXPECT_EQ(itemsOf(list), expected);

    // A second change where the first left fuller or emptier chunks still reads right.
    const std::size_t second = std::min(expected.size(), c.first + 1);
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(second), 7);
    list.replace(second, 0, {7});
    EXPECT_EQ(itemsOf(list), expected);
    list.push_back(8);
    expected.push_back(8);
    EXPECT_EQ(list.back(), 8);
    EXPECT_EQ(itemsOf(list), expected);
}

// Lists are equal by their items, however their chunks fell.
TEST(ChunkedListEquality, ComparesTheItemsNotTheChunks)
{
    ChunkedList<int> grown, filled;
    for (int i = 0; i < 600; ++i)
        filled.push_back(i);
    for (int i = 0; i < 600; i += 2)
        grown.push_back(i);
    for (int i = 1; i < 600; i += 2)
        grown.replace(static_cast<std::size_t>(i), 0, {i});
    EXPECT_TRUE(grown == filled);
    grown.replace(599, 1, {-1});
    EXPECT_FALSE(grown == filled);
}

}  // namespace
