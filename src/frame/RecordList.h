#pragma once
// The lists that show records, one fixed-pitch line each ("ＭＳ ゴシック").
//
// Every line has the same height, so the list lays out in constant time
// whatever its length. The list's click (what a window does when a line is
// chosen) runs when a line is clicked with the mouse, when the arrow keys move
// the selection, and when the program sets the selected line, as the toolkit
// the program was written for raises it.

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

namespace frame {

// A list of record lines in the fixed-pitch font at `pointSize`.
QListWidget* newRecordList(QWidget* parent, const QString& objectName, double pointSize = 9);

// Replaces the list's lines with `lines` (UTF-8), inserted in one go.
void setRecordLines(QListWidget* list, const std::vector<std::string>& lines);

// Calls `click` with the chosen row whenever a line is chosen (see above),
// for as long as `context` lives.
void onListClick(QListWidget* list, QObject* context, const std::function<void(int row)>& click);

}  // namespace frame
