#pragma once
// A scroll bar that keeps its last few drawings and shows one again when what
// it shows is the same: a list that gains or loses a few of its many lines
// moves its range, not a pixel of its bar, and is not drawn again for it (nor
// when it goes back and forth between two places). While the mouse is over the
// bar, holds its slider or has a button down, it is drawn afresh each time; a
// change of style or palette forgets what was kept.

#include <QPixmap>
#include <QScrollBar>

#include <deque>

namespace frame {

class CachedScrollBar : public QScrollBar {
public:
    CachedScrollBar(Qt::Orientation orientation, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the drawing depends on: the bar's size and state, where its slider
    // stands, whether it is at either end, the style and the colours.
    struct Look {
        QSize size;
        QRect slider;
        int state = 0;
        bool atMinimum = false;
        bool atMaximum = false;
        qint64 palette = 0;
        const void* style = nullptr;
        qreal pixelRatio = 1;
        bool operator==(const Look&) const = default;
    };

    struct Drawn {
        Look look;
        QPixmap pixmap;
    };
    std::deque<Drawn> m_drawn;  // the latest first
};

}  // namespace frame
