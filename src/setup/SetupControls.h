#pragma once
// The kinds of control the setup window's tabs are made of, named and styled
// alike on every tab.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <array>
#include <string_view>

namespace setup::controls {

QString q(std::string_view text);
QLabel* label(const QString& text, QWidget* parent = nullptr);
QLineEdit* textBox(const QString& name, QWidget* parent = nullptr);
// An editable box whose typed text is not added to its list.
QComboBox* comboBox(const QString& name, QWidget* parent = nullptr);
QPushButton* button(const QString& caption, const QString& name, QWidget* parent = nullptr);
// A display field the user cannot edit.
QLineEdit* displayBox(const QString& name);
// The name of an element of a control array: "Text10(3)".
QString indexed(const char* name, int i);
// A date of three boxes (year, month, day) in a row.
QHBoxLayout* dateRow(std::array<QComboBox*, 3>& boxes, const char* name);

// The items of the date boxes: "2024年", "4月", "1日".
QString yearItem(int year);
QString monthItem(int month);
QString dayItem(int day);
void addDays(QComboBox* box, int days);

// A text box becomes read-only, any other input disabled.
void setUsable(QWidget* w, bool usable);

}  // namespace setup::controls
