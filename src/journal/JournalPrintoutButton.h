#pragma once
// The journal-entry window's button "印刷": the printed journal.

namespace journal {

class Form9;

// Asks first; on Yes prints the journal on the program's printer and reloads
// the journal list.
void JournalPrintoutButton_Click(Form9& form);

}  // namespace journal
