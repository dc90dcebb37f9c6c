#include "setup/SetupControls.h"

#include "frame/Fonts.h"

namespace setup::controls {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* label(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setFont(frame::proportionalFont(9));
    return l;
}

QLineEdit* textBox(const QString& name, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QComboBox* comboBox(const QString& name, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* displayBox(const QString& name)
{
    auto* e = textBox(name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QString indexed(const char* name, int i)
{
    return QString("%1(%2)").arg(name).arg(i);
}

QHBoxLayout* dateRow(std::array<QComboBox*, 3>& boxes, const char* name)
{
    auto* row = new QHBoxLayout;
    const int widths[3] = {84, 60, 60};
    for (int i = 0; i < 3; ++i) {
        boxes[i] = comboBox(indexed(name, i));
        boxes[i]->setMinimumWidth(widths[i]);
        row->addWidget(boxes[i]);
    }
    return row;
}

QString yearItem(int year)
{
    return QString::number(year).rightJustified(4, '0') + "年";
}
QString monthItem(int month)
{
    return QString::number(month) + "月";
}
QString dayItem(int day)
{
    return QString::number(day) + "日";
}

void addDays(QComboBox* box, int days)
{
    for (int d = 1; d <= days; ++d)
        box->addItem(dayItem(d));
}

void setUsable(QWidget* w, bool usable)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setReadOnly(!usable);
    else
        w->setEnabled(usable);
}

}  // namespace setup::controls
