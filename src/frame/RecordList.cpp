#include "frame/RecordList.h"

#include "frame/CachedScrollBar.h"
#include "frame/Fonts.h"

#include <QApplication>

namespace frame {

QListWidget* newRecordList(QWidget* parent, const QString& objectName, double pointSize)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setFont(fixedPitchFont(pointSize));
    list->setUniformItemSizes(true);
    // A save adds or takes a few lines: the bars keep their drawing.
    list->setVerticalScrollBar(new CachedScrollBar(Qt::Vertical, list));
    list->setHorizontalScrollBar(new CachedScrollBar(Qt::Horizontal, list));
    return list;
}

void setRecordLines(QListWidget* list, const std::vector<std::string>& lines)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    list->clear();
    list->addItems(items);
}

void onListClick(QListWidget* list, QObject* context, const std::function<void(int row)>& click)
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
