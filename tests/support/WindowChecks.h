#pragma once
// Checks on a window at its default size, as the user first sees it: every
// caption shows whole (no button, label, check box, option button, group or
// tab caption wider than its widget, no label wrapped or cut off below), the
// buttons that a layout places keep their own size, and every record list has
// lines of one height. Each tab of the window's tab controls is shown in turn.
//
//   EXPECT_TRUE(support::everyCaptionShowsWhole(window));
//   EXPECT_TRUE(support::buttonsKeepTheirSize(window));
//   EXPECT_TRUE(support::everyRecordListHasUniformLines(window));
//
// The window should use the program's fonts (frame::installFontSubstitutions).

#include "frame/RecordListView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace support {

namespace detail {

inline std::string nameOf(const QWidget* w)
{
    std::string name = w->metaObject()->className();
    if (!w->objectName().isEmpty())
        name += " " + w->objectName().toStdString();
    return name;
}

// The caption as drawn: without the "&" of a shortcut.
inline QString shownText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

inline int widestLine(const QFontMetrics& fm, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// Shows the window at its size and runs `check` once for every combination
// of current tabs (each tab control's tabs in turn), with events processed.
inline void forEachTab(QWidget& window, const std::function<void()>& check)
{
    window.show();
    QApplication::processEvents();
    check();
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            check();
        }
        tabs->setCurrentIndex(current);
        QApplication::processEvents();
    }
}

// What is wrong with one widget's caption, or "" when it shows whole.
inline std::string captionProblem(QWidget* w)
{
    if (!w->isVisible() || w->width() <= 0)
        return {};
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
            return {};
        const QString text = shownText(label->text());
        const QRect room =
            label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        const int wide = widestLine(fm, text);
        if (wide > room.width())
            return (label->wordWrap() ? "wrapped: \"" : "cut: \"") + text.toStdString() + "\" needs "
                + std::to_string(wide) + " px, has " + std::to_string(room.width());
        const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
        if (lines * fm.height() > room.height() + 1)
            return "cut below: \"" + text.toStdString() + "\"";
        return {};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return {};
        if (auto* tool = qobject_cast<QToolButton*>(button); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return {};
        const QString text = shownText(button->text());
        int need = widestLine(fm, text);
        if (qobject_cast<QPushButton*>(button)) {
            need += button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                + 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        } else if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
            need = button->sizeHint().width();
        }
        if (need > button->width())
            return "cut: \"" + text.toStdString() + "\" needs " + std::to_string(need) + " px, has "
                + std::to_string(button->width());
        return {};
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        const int need = fm.horizontalAdvance(shownText(group->title())) + 2 * fm.averageCharWidth();
        if (!group->title().isEmpty() && need > group->width())
            return "cut title: \"" + group->title().toStdString() + "\"";
        return {};
    }
    if (auto* bar = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < bar->count(); ++i)
            if (fm.horizontalAdvance(shownText(bar->tabText(i))) > bar->tabRect(i).width())
                return "cut tab: \"" + bar->tabText(i).toStdString() + "\"";
        return {};
    }
    return {};
}

}  // namespace detail

inline ::testing::AssertionResult everyCaptionShowsWhole(QWidget& window)
{
    std::string problems;
    detail::forEachTab(window, [&] {
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const std::string problem = detail::captionProblem(w);
            if (!problem.empty() && problems.find(detail::nameOf(w) + ": " + problem) == std::string::npos)
                problems += "\n  " + detail::nameOf(w) + ": " + problem;
        }
    });
    if (problems.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << window.windowTitle().toStdString() << ":" << problems;
}

// A push button that a layout places is no wider than it needs (its size
// hint, or the minimum width the window gives it): a layout does not stretch
// it across the window.
inline ::testing::AssertionResult buttonsKeepTheirSize(QWidget& window)
{
    std::string problems;
    detail::forEachTab(window, [&] {
        for (QPushButton* b : window.findChildren<QPushButton*>()) {
            QWidget* parent = b->parentWidget();
            if (!b->isVisible() || !parent || !parent->layout())
                continue;
            bool placed = false;
            for (QLayout* layout : parent->findChildren<QLayout*>())
                placed = placed || layout->indexOf(b) >= 0;
            placed = placed || parent->layout()->indexOf(b) >= 0;
            const int own = std::max(b->sizeHint().width(), b->minimumWidth());
            if (placed && b->width() > own + 1) {
                const std::string problem = "\n  " + detail::nameOf(b) + " \"" + b->text().toStdString()
                    + "\" stretched to " + std::to_string(b->width()) + " px";
                if (problems.find(problem) == std::string::npos)
                    problems += problem;
            }
        }
    });
    if (problems.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << window.windowTitle().toStdString() << ":" << problems;
}

inline ::testing::AssertionResult everyRecordListHasUniformLines(QWidget& window)
{
    std::vector<QListView*> lists;
    for (QListWidget* list : window.findChildren<QListWidget*>())
        lists.push_back(list);
    for (frame::RecordListView* list : window.findChildren<frame::RecordListView*>())
        lists.push_back(list);
    for (QListView* list : lists)
        if (!list->uniformItemSizes())
            return ::testing::AssertionFailure() << detail::nameOf(list) << " lays out line by line";
    return ::testing::AssertionSuccess();
}

}  // namespace support
