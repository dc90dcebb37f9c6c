#pragma once
// A label of a work window: its name (the control's name of the design, which
// the tests find it by), its text and the window's proportional font.

#include <QString>

class QLabel;
class QWidget;

namespace frame {

QLabel* NamedLabel(QWidget* parent, const QString& name, const char* text, double points = 9);

}  // namespace frame
