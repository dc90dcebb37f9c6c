#pragma once
// The column headings above a book's list: labels placed over the character
// columns where the list's fields begin (the lists use a fixed-pitch font in
// which a double-byte character takes two cells).

#include <initializer_list>

class QWidget;

namespace books {

struct ColumnHeading {
    int labelIndex;  // the label is named Label2_<labelIndex>
    const char* text;
    int byteOffset;  // where the field begins in the list line, in Shift-JIS bytes
};

QWidget* columnHeadings(QWidget* parent, std::initializer_list<ColumnHeading> headings);

}  // namespace books
