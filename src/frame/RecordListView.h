#pragma once
// A record list for records that grow with the books (the journal, the ledgers
// and the books): the same fixed-pitch lines, selection, keys and click as the
// lists of RecordList.h, with its lines kept as compact UTF-8 (RecordLines)
// and made into text only for the lines on the screen.

#include "frame/RecordLines.h"

#include <QListView>

#include <functional>
#include <string>
#include <vector>

namespace frame {

class RecordListView : public QListView {
    Q_OBJECT
public:
    // A list named `objectName` in the fixed-pitch font at `pointSize`.
    explicit RecordListView(QWidget* parent, const QString& objectName, double pointSize = 9);

    RecordLines& lines() { return m_lines; }
    const RecordLines& lines() const { return m_lines; }
    int count() const { return m_lines.count(); }
    // The text of line `row`.
    QString text(int row) const;

    // Replaces every line; no line is chosen afterwards.
    void setLines(const std::vector<std::string>& lines) { m_lines.setLines(lines); }
    void clear() { m_lines.clear(); }

    // The current line, -1 for none.
    int currentRow() const;
    // Makes `row` the current line, selected (or none for -1), and shows it.
    void setCurrentRow(int row);
    // Whether a line is selected.
    bool hasSelectedLine() const;
    // No line current, none selected.
    void clearChoice();

signals:
    // The current line changed to `row` (-1 for none).
    void currentRowChanged(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // A line whose text changed is drawn again; the lines are laid out again
    // only when the first changed, whose size every line takes (uniform sizes).
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    RecordLines m_lines;
};

// Calls `click` with the chosen row whenever a line is chosen: with the mouse
// on the click, with the keys or by the program as the current line moves;
// for as long as `context` lives.
void onListClick(RecordListView* list, QObject* context, const std::function<void(int row)>& click);

}  // namespace frame
