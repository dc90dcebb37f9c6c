#pragma once
// A bank code names one bank of the bank master, and a branch code one branch
// of the branch master. A damaged file that holds a code twice would show each
// branch of that bank twice and keep one of the two lines from ever being
// edited, so it is refused when it is opened.

namespace dao {
class Database;
}

namespace registers {

// Throws dao::DaoError naming the file, the master, the code and the names of
// its rows when two rows of the bank master or of the branch master share a code.
void RequireUniqueBankCodes(dao::Database& database);

}  // namespace registers
