#include "books/ColumnHeadings.h"

#include "frame/Fonts.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace books {

namespace {

// Space between a list's left edge and its first character: the frame and the
// item's own margin.
constexpr int kListInset = 4;

}  // namespace

QWidget* columnHeadings(QWidget* parent, std::initializer_list<ColumnHeading> headings)
{
    auto* row = new QWidget(parent);
    const double cell = QFontMetricsF(frame::fixedPitchFont(9)).horizontalAdvance(QLatin1Char('0'));
    int height = 0;
    int right = 0;
    for (const ColumnHeading& heading : headings) {
        auto* label = new QLabel(QString::fromUtf8(heading.text), row);
        label->setObjectName(QString("Label2_%1").arg(heading.labelIndex));
        label->setFont(frame::proportionalFont(9));
        label->adjustSize();
        const int x = kListInset + static_cast<int>(std::lround(heading.byteOffset * cell));
        label->move(x, 0);
        height = std::max(height, label->height());
        right = std::max(right, x + label->width());
    }
    row->setMinimumSize(right, height);
    row->setFixedHeight(height);
    return row;
}

}  // namespace books
