#pragma once
// The journal's lists come in the order of the dates as the file stores them
// (the saved queries sort on the text of 日付). For the form this program
// writes, 'YYYY-MM-DD', that is the order of the dates' values, and a saved
// voucher's lines can be placed among the others by value without reading the
// list again. A file that another tool wrote dates into in another form
// ("2024/5/9", with a time of day, or none at all) may sort otherwise: its
// lists are filled again after every save.

namespace dao {
class Database;
}

namespace journal {

// Whether every row of the journal table holds its 日付 as 'YYYY-MM-DD' text.
bool JournalDatesSortByValue(dao::Database& database);

}  // namespace journal
