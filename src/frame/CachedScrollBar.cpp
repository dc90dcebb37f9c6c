#include "frame/CachedScrollBar.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace frame {

namespace {
// Drawings kept: a few places the bar goes back and forth between.
constexpr std::size_t kKeptDrawings = 4;
}  // namespace

CachedScrollBar::CachedScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
{
}

void CachedScrollBar::changeEvent(QEvent* event)
{
    // Another style or palette draws otherwise: nothing kept is shown again.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        m_drawn.clear();
    QScrollBar::changeEvent(event);
}

void CachedScrollBar::paintEvent(QPaintEvent* event)
{
    // The bar's own drawing follows the mouse (the part under it, the part
    // held, an arrow held down while the pointer wandered off): that state is
    // its own, so it draws itself.
    if (underMouse() || isSliderDown() || QApplication::mouseButtons() != Qt::NoButton) {
        QScrollBar::paintEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    const Look look{size(),
                    style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
                    static_cast<int>(option.state),
                    option.sliderPosition <= option.minimum,
                    option.sliderPosition >= option.maximum,
                    palette().cacheKey(),
                    style(),
                    devicePixelRatioF()};
    const auto kept =
        std::find_if(m_drawn.begin(), m_drawn.end(), [&](const Drawn& drawn) { return drawn.look == look; });
    if (kept != m_drawn.end()) {
        std::rotate(m_drawn.begin(), kept, kept + 1);
    } else {
        QPixmap pixmap(size() * look.pixelRatio);
        pixmap.setDevicePixelRatio(look.pixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
        painter.end();
        m_drawn.push_front({look, pixmap});
        if (m_drawn.size() > kKeptDrawings)
            m_drawn.pop_back();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_drawn.front().pixmap);
}

}  // namespace frame
