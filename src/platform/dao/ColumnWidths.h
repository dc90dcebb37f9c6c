#pragma once
// The whole-number fields of a period file that hold 64-bit figures although
// they are declared INTEGER like every 32-bit amount: the period figures the
// closing window computes for each account (勘定科目コード表.借方合計,
// 貸方合計, 期末貸借合計, 期末残高). A year's movement of a busy deposit
// account passes 2,147,483,647 yen. SQLite stores any INTEGER column's value
// whole in 64 bits, so a file made before reads the same; only the range the
// database layer holds a value to is wider. Every other INTEGER field stays
// 32-bit, and a figure carried into one of them is range-checked there.

#include <string_view>

namespace dao {

// True for `column` of base table `table` when it holds 64-bit figures.
bool HoldsWideIntegers(std::string_view table, std::string_view column);

}  // namespace dao
