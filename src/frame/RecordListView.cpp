#include "frame/RecordListView.h"

#include "frame/CachedScrollBar.h"
#include "frame/Fonts.h"

#include <QApplication>
#include <QItemSelectionModel>

namespace frame {

RecordListView::RecordListView(QWidget* parent, const QString& objectName, double pointSize)
    : QListView(parent), m_lines(this)
{
    setObjectName(objectName);
    setFont(fixedPitchFont(pointSize));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(&m_lines);
    // A save adds or takes a few lines of many: the bars keep their drawing.
    setVerticalScrollBar(new CachedScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new CachedScrollBar(Qt::Horizontal, this));
}

QString RecordListView::text(int row) const
{
    return m_lines.data(m_lines.index(row)).toString();
}

int RecordListView::currentRow() const
{
    return currentIndex().row();
}

void RecordListView::setCurrentRow(int row)
{
    const QModelIndex index = m_lines.index(row);
    switch (selectionMode()) {
    case QAbstractItemView::SingleSelection:
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        break;
    case QAbstractItemView::NoSelection: selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate); break;
    default: selectionModel()->setCurrentIndex(index, QItemSelectionModel::SelectCurrent); break;
    }
}

bool RecordListView::hasSelectedLine() const
{
    return selectionModel()->hasSelection();
}

void RecordListView::clearChoice()
{
    clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void RecordListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    // QListView's own step lays every line out again, for a size only the
    // first line gives: the lines below it skip it on purpose.
    if (topLeft.row() > 0)
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);  // NOLINT(bugprone-parent-virtual-call)
    else
        QListView::dataChanged(topLeft, bottomRight, roles);
}

void RecordListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    emit currentRowChanged(current.row());
}

void onListClick(RecordListView* list, QObject* context, const std::function<void(int row)>& click)
{
    // A mouse click changes the row while the button is down; the click itself
    // follows on release. Keys and the program change it with no button down.
    QObject::connect(list, &QAbstractItemView::clicked, context,
                     [click](const QModelIndex& index) { click(index.row()); });
    QObject::connect(list, &RecordListView::currentRowChanged, context, [click](int row) {
        if (row >= 0 && QApplication::mouseButtons() == Qt::NoButton)
            click(row);
    });
}

}  // namespace frame
