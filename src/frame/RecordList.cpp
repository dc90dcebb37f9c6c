#include "frame/RecordList.h"

#include "frame/Fonts.h"

#include <QApplication>

namespace frame {

QListWidget* newRecordList(QWidget* parent, const QString& objectName, double pointSize)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setFont(fixedPitchFont(pointSize));
    list->setUniformItemSizes(true);
    return list;
}

void onListClick(QListWidget* list, QObject* context, std::function<void(int row)> click)
{
    // A mouse click changes the row while the button is down; the click itself
    // follows on release. Keys and the program change it with no button down.
    QObject::connect(list, &QListWidget::itemClicked, context,
                     [list, click](QListWidgetItem* item) { click(list->row(item)); });
    QObject::connect(list, &QListWidget::currentRowChanged, context, [click](int row) {
        if (row >= 0 && QApplication::mouseButtons() == Qt::NoButton)
            click(row);
    });
}

}  // namespace frame
