// The record list for records that grow with the books: its lines are the
// lines it was given, line for line, through every change in place (checked
// against a plain list of strings changed the same way), a change keeps the
// other lines the same lines, and it answers the mouse, the keys and the
// program exactly as the record lists of the other windows do.
#include "frame/RecordList.h"
#include "frame/RecordListView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QSignalBlocker>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Lines of different lengths, some with Japanese text, so that each line has
// its own bytes and a line that lost or gained a byte shows.
std::string lineText(int n)
{
    std::string text = "24/05/" + std::to_string(n % 28 + 1) + " " + std::to_string(n);
    for (int i = 0; i < n % 5; ++i)
        text += " 売上高";
    return text;
}

std::vector<std::string> numberedLines(int count, int from = 0)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(lineText(from + i));
    return lines;
}

std::vector<std::string> shownLines(const frame::RecordLines& model)
{
    std::vector<std::string> lines;
    for (int i = 0; i < model.count(); ++i) {
        lines.emplace_back(model.line(i));
        EXPECT_EQ(model.data(model.index(i)).toString().toStdString(), lines.back()) << "line " << i;
    }
    return lines;
}

// One change to the lines: `removed` lines from `first` go and `added` new
// lines come in their place.
struct LineChange {
    const char* name;
    int lines;  // lines before the change
    int first;
    int removed;
    int added;
};

class RecordLinesChange : public ::testing::TestWithParam<LineChange> {};

TEST_P(RecordLinesChange, ShowsTheLinesAPlainListShowsAndKeepsTheOthers)
{
    const LineChange& c = GetParam();
    frame::RecordLines model;
    model.setLines(numberedLines(c.lines));

    // The same change made to a plain list of strings.
    std::vector<std::string> expected = numberedLines(c.lines);
    const std::vector<std::string> added = numberedLines(c.added, 100000);
    expected.erase(expected.begin() + c.first, expected.begin() + c.first + c.removed);
    expected.insert(expected.begin() + c.first, added.begin(), added.end());

    // Marks on the line before the change and the line after it.
    const QPersistentModelIndex before(model.index(c.first - 1));
    const QPersistentModelIndex after(model.index(c.first + c.removed));
    const std::string afterText = c.first + c.removed < c.lines ? lineText(c.first + c.removed) : "";

    model.removeLines(c.first, c.removed);
    model.insertLines(c.first, added);

    EXPECT_EQ(shownLines(model), expected);
    EXPECT_EQ(model.rowCount(), static_cast<int>(expected.size()));
    if (c.first > 0) {
        ASSERT_TRUE(before.isValid());
        EXPECT_EQ(before.row(), c.first - 1);
    }
    if (c.first + c.removed < c.lines) {
        ASSERT_TRUE(after.isValid()) << "the line after the change is still the same line";
        EXPECT_EQ(after.row(), c.first + c.added);
        EXPECT_EQ(std::string(model.line(after.row())), afterText);
    }
}

// A block holds 512 lines: the cases cross and touch the blocks' edges.
INSTANTIATE_TEST_SUITE_P(Cases, RecordLinesChange,
                         ::testing::Values(LineChange{"AddedToAnEmptyList", 0, 0, 0, 3},
                                           LineChange{"AddedAtTheEnd", 1000, 1000, 0, 2},
                                           LineChange{"AddedAtTheStart", 1000, 0, 0, 2},
                                           LineChange{"ReplacedInTheMiddle", 1000, 300, 2, 3},
                                           LineChange{"ReplacedAcrossABlockEdge", 1500, 510, 5, 1},
                                           LineChange{"RemovedAcrossTwoBlockEdges", 1600, 500, 600, 0},
                                           LineChange{"RemovedTheLastLines", 1030, 1024, 6, 0},
                                           LineChange{"EveryLineReplaced", 700, 0, 700, 4},
                                           LineChange{"ManyAddedInsideABlock", 600, 100, 0, 1200}),
                         [](const ::testing::TestParamInfo<LineChange>& c) { return c.param.name; });

TEST(RecordLines, ALineChangedInPlaceStaysTheSameLine)
{
    frame::RecordLines model;
    model.setLines(numberedLines(1200));
    const QPersistentModelIndex mark(model.index(700));
    int changed = -1;
    QObject::connect(&model, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& from, const QModelIndex&) { changed = from.row(); });
    model.setLine(700, "24/06/01 変更後の行");
    EXPECT_TRUE(mark.isValid());
    EXPECT_EQ(mark.row(), 700);
    EXPECT_EQ(model.line(700), "24/06/01 変更後の行");
    EXPECT_EQ(model.line(699), lineText(699));
    EXPECT_EQ(model.line(701), lineText(701));
    EXPECT_EQ(changed, 700);
}

TEST(RecordLines, AFillThatFailsKeepsTheLinesMadeBeforeIt)
{
    frame::RecordLines model;
    int made = 0;
    EXPECT_THROW(model.fill([&](std::string& line) {
        if (made == 600)
            throw std::runtime_error("壊れた行");
        line = lineText(made++);
        return true;
    }),
                 std::runtime_error);
    EXPECT_EQ(shownLines(model), numberedLines(600));
}

// ---- clicks --------------------------------------------------------------------

enum class Action { MouseOnALine, ArrowDown, ArrowUpFromTheFirstLine, ProgramChoosesALine, ProgramWithSignalsBlocked };

struct ClickCase {
    const char* name;
    Action action;
    std::vector<int> lastClick;  // the row the last click ran for; none when no click ran
};

// Performs the action on a shown list of ten lines whose line 2 is current.
template <class List> std::vector<int> clicksOf(List* list, Action action)
{
    std::vector<int> clicks;
    QObject context;
    list->resize(600, 400);
    list->show();
    list->setFocus();
    {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(2);
    }
    frame::onListClick(list, &context, [&](int row) { clicks.push_back(row); });
    switch (action) {
    case Action::MouseOnALine: {
        const QPoint at = list->visualRect(list->model()->index(5, 0)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(list->viewport(), &event);
        }
        break;
    }
    case Action::ArrowDown:
    case Action::ArrowUpFromTheFirstLine: {
        if (action == Action::ArrowUpFromTheFirstLine) {
            const QSignalBlocker quiet(list);
            list->setCurrentRow(0);
        }
        QKeyEvent press(QEvent::KeyPress, action == Action::ArrowDown ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
        break;
    }
    case Action::ProgramChoosesALine: list->setCurrentRow(7); break;
    case Action::ProgramWithSignalsBlocked: {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(7);
        break;
    }
    }
    return clicks;
}

class RecordListViewClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(RecordListViewClick, RunsAsTheOtherRecordListsRunIt)
{
    const ClickCase& c = GetParam();
    const std::vector<std::string> lines = numberedLines(10);

    QListWidget* other = frame::newRecordList(nullptr, "List1");
    frame::setRecordLines(other, lines);
    const std::vector<int> otherClicks = clicksOf(other, c.action);
    delete other;

    frame::RecordListView view(nullptr, "List2");
    view.setLines(lines);
    const std::vector<int> clicks = clicksOf(&view, c.action);

    EXPECT_EQ(clicks, otherClicks);
    if (c.lastClick.empty()) {
        EXPECT_TRUE(clicks.empty());
    } else {
        ASSERT_FALSE(clicks.empty());
        EXPECT_EQ(clicks.back(), c.lastClick.front());
        EXPECT_EQ(view.currentRow(), c.lastClick.front());
        EXPECT_TRUE(view.hasSelectedLine());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordListViewClick,
                         ::testing::Values(ClickCase{"MouseOnALine", Action::MouseOnALine, {5}},
                                           ClickCase{"ArrowDown", Action::ArrowDown, {3}},
                                           ClickCase{"ArrowUpFromTheFirstLine", Action::ArrowUpFromTheFirstLine, {}},
                                           ClickCase{"ProgramChoosesALine", Action::ProgramChoosesALine, {7}},
                                           ClickCase{
                                               "ProgramWithSignalsBlocked", Action::ProgramWithSignalsBlocked, {}}),
                         [](const ::testing::TestParamInfo<ClickCase>& c) { return c.param.name; });

TEST(RecordListView, AChosenLineFarDownIsScrolledIntoView)
{
    frame::RecordListView view(nullptr, "List2");
    view.setLines(numberedLines(5000));
    view.resize(600, 300);
    view.show();
    view.setCurrentRow(4321);
    QApplication::processEvents();
    EXPECT_TRUE(view.viewport()->rect().intersects(view.visualRect(view.lines().index(4321))));
    EXPECT_EQ(view.text(4321).toStdString(), lineText(4321));
}

TEST(RecordListView, ClearingTheChoiceLeavesNoLineChosen)
{
    frame::RecordListView view(nullptr, "List2");
    view.setLines(numberedLines(20));
    view.setCurrentRow(4);
    ASSERT_TRUE(view.hasSelectedLine());
    view.clearChoice();
    EXPECT_FALSE(view.hasSelectedLine());
    EXPECT_EQ(view.currentRow(), -1);
    EXPECT_EQ(view.count(), 20);
}

}  // namespace
