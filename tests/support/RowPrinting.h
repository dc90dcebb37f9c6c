#pragma once
// A row as gtest shows it when a comparison of whole rows fails: every field
// by name, "{account="売上高", debit="300", ...}", so the field that differs
// reads off the message.
//
//   void PrintTo(const ListColumns& r, std::ostream* out)
//   {
//       testsupport::PrintFields(out, {{"account", r.account}, {"debit", r.debit}});
//   }

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

namespace testsupport {

inline void PrintFields(std::ostream* out, std::initializer_list<std::pair<const char*, std::string>> fields)
{
    *out << '{';
    const char* separator = "";
    for (const auto& [name, value] : fields) {
        *out << separator << name << "=\"" << value << '"';
        separator = ", ";
    }
    *out << '}';
}

}  // namespace testsupport
