#pragma once
// A prepared period file in a fresh temporary folder (removed afterwards) for
// the printed setup lists: tables emptied and filled row by row, the window's
// recordsets opened as the setup window opens them, and a recording printer
// laid out on the page the printing devices use.

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Value.h"
#include "platform/printing/RecordingPrinter.h"
#include "setup/SetupPage.h"
#include "support/TempPeriodFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace setuptest {

using Row = std::initializer_list<std::pair<const char*, dao::Value>>;

class SetupPrintFixture {
public:
    SetupPrintFixture();  // "テスト商事第12期.mdb", period 2024/4/1 to 2025/3/31
    ~SetupPrintFixture();
    SetupPrintFixture(const SetupPrintFixture&) = delete;
    SetupPrintFixture& operator=(const SetupPrintFixture&) = delete;

    const std::string& path() const { return m_file.path(); }
    const std::filesystem::path& dir() const { return m_file.dir(); }
    dao::Database& db() { return *m_db; }

    void execute(const std::string& sql, const std::vector<dao::Value>& params = {});
    void emptyTable(const std::string& table);
    void addRow(const std::string& table, Row values);
    void addRow(const std::string& table, const std::vector<std::pair<std::string, dao::Value>>& values);
    // A dynaset on a table or saved query, kept by the fixture.
    dao::Recordset& open(const std::string& source);

private:
    testsupport::TempPeriodFile m_file;
    std::shared_ptr<dao::Database> m_db;
    std::vector<std::unique_ptr<dao::Recordset>> m_open;
};

// The recording printer prepared as the print run prepares it: (0, 0),
// "ＭＳ ゴシック" 9 pt. Its page is A4 as the printers lay it out (612 x 878.4
// points); the printouts' full pages fit on it.
class A4Recorder : public printing::RecordingPrinter {
public:
    A4Recorder();
};

inline const dao::Date kPrintedAt{2025, 5, 7, 9, 30, 0};  // a Wednesday
inline constexpr const char* kPrintedAtText = "   2025/05/07(水) 09:30";
inline constexpr const char* kCompany = "テスト商事";

// The page header of a setup list as the sheet shows it: the margin of M,
// "【テスト商事】", the title, kPrintedAtText and the page text.
std::string HeaderOnSheet(const std::string& title, const std::string& pageText);
// The same at print column 6, as C6 places a line.
std::string HeaderAtColumn6(const std::string& title, const std::string& pageText);

// Sheets as the device made them, each line without its trailing blanks.
std::vector<std::vector<std::string>> Sheets(const printing::RecordingPrinter& printer);

// Lines of a sheet that are not the header line (the sheet's first line), trimmed as above.
std::vector<std::string> BodyLines(const std::vector<std::string>& sheet);

std::string TrimRight(std::string text);
inline bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Compares a sheet line by line, telling the differing lines as text.
::testing::AssertionResult SameLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected);

// The margin of 6 blanks and the text (the account lists and the registers).
std::string M(const std::string& text);
// The text at print column 6, after 5 blanks (the company settings, the
// template list and the partner list).
std::string C6(const std::string& text);

}  // namespace setuptest
