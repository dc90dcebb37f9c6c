#pragma once
// A line of the start window's list of period files (111 Shift-JIS bytes, no
// separators): company 40, period 8, first day 10, "～" 2, last day and a blank
// 11, file name 40.

#include "platform/dao/Value.h"

#include <string>

namespace frame {

// A null or empty field leaves its place blank.
std::string startListLine(const dao::Value& company, const dao::Value& period, const dao::Value& firstDay,
                          const dao::Value& lastDay, const std::string& fileName);

// The line of a file that could not be read: the mark in the company's place,
// blanks for the period and dates, and the file name.
std::string unreadableListLine(const std::string& fileName);
// The same for a file that another program holds (it may be read later).
std::string inUseListLine(const std::string& fileName);

inline constexpr const char* kUnreadableMark = "×読み込めません";
inline constexpr const char* kInUseMark = "×他のプログラムが使用中です";

}  // namespace frame
