#pragma once
// The printer set-up the start window offers ("プリンタ設定").

namespace ui {

// Shows the printer set-up dialog on the program's printer: the system printer
// it prints on (as set up so far), or a new one when it prints to PDF files
// because the system has none. When the dialog is accepted, what was chosen
// there (a printer of the system or a PDF file, and its paper) is the printer
// of every later print run until the program ends. Returns false when
// cancelled.
bool SetUpPrinter();

}  // namespace ui
