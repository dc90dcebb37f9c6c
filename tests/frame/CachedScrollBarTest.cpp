// The scroll bar that keeps its drawings: whatever its range, place and state
// went through, it shows what a plain scroll bar in the same place shows.
#include "frame/CachedScrollBar.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Step {
    const char* name;
    int maximum;
    int value;
    bool enabled;
};

// A list that gains and loses lines while the user scrolls, as a journal does.
constexpr Step kSteps[] = {
    {"a short list at its top", 20, 0, true},
    {"the list grows, the slider stays", 100000, 0, true},
    {"scrolled to the middle", 100000, 50000, true},
    {"two lines more, the same place", 100002, 50000, true},
    {"two lines fewer again", 100000, 50000, true},
    {"scrolled far down", 100000, 99000, true},
    {"at the very end", 100000, 100000, true},
    {"greyed with the window", 100000, 100000, false},
    {"back at the top", 100000, 0, true},
};

QImage drawingOf(QScrollBar& bar, const Step& step)
{
    bar.setEnabled(step.enabled);
    bar.setRange(0, step.maximum);
    bar.setValue(step.value);
    return bar.grab().toImage();
}

class CachedScrollBarTest : public ::testing::TestWithParam<Qt::Orientation> {};

}  // namespace

TEST_P(CachedScrollBarTest, ShowsWhatAPlainBarShowsThroughEveryChange)
{
    QWidget window;
    auto* cached = new frame::CachedScrollBar(GetParam(), &window);
    auto* plain = new QScrollBar(GetParam(), &window);
    const QSize size = GetParam() == Qt::Vertical ? QSize(14, 228) : QSize(985, 14);
    cached->setGeometry(QRect(QPoint(0, 0), size));
    plain->setGeometry(QRect(QPoint(0, 300), size));
    for (auto* bar : {static_cast<QScrollBar*>(cached), plain})
        bar->setPageStep(15);
    window.resize(1000, 600);
    window.show();
    for (const Step& step : kSteps) {
        const QImage expected = drawingOf(*plain, step);
        EXPECT_EQ(drawingOf(*cached, step), expected) << step.name;
        // Drawn again unchanged, it shows the same.
        EXPECT_EQ(cached->grab().toImage(), expected) << step.name << ", drawn again";
    }
    // Other colours: drawn in them, not shown as kept.
    QPalette palette = plain->palette();
    palette.setColor(QPalette::Button, Qt::darkRed);
    palette.setColor(QPalette::Window, Qt::darkGreen);
    for (auto* bar : {static_cast<QScrollBar*>(cached), plain})
        bar->setPalette(palette);
    EXPECT_EQ(cached->grab().toImage(), plain->grab().toImage()) << "in other colours";
}

INSTANTIATE_TEST_SUITE_P(Orientations, CachedScrollBarTest, ::testing::Values(Qt::Vertical, Qt::Horizontal),
                         [](const ::testing::TestParamInfo<Qt::Orientation>& orientation) {
                             return std::string(orientation.param == Qt::Vertical ? "Vertical" : "Horizontal");
                         });
