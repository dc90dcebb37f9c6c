#include "frame/NamedLabel.h"

#include "frame/Fonts.h"

#include <QLabel>

namespace frame {

QLabel* NamedLabel(QWidget* parent, const QString& name, const char* text, double points)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    label->setFont(proportionalFont(points));
    return label;
}

}  // namespace frame
