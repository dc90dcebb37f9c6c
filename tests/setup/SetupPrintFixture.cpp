#include "setup/SetupPrintFixture.h"

#include "common/PrintRoutines.h"
#include "platform/printing/A4Page.h"

#include <algorithm>

namespace setuptest {

namespace {

std::string Quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

}  // namespace

SetupPrintFixture::SetupPrintFixture() : m_file(kCompany, 12, "2024-04-01"), m_db(m_file.open())
{
}

SetupPrintFixture::~SetupPrintFixture()
{
    m_open.clear();
    if (m_db)
        m_db->Close();
    m_db.reset();
}

void SetupPrintFixture::execute(const std::string& sql, const std::vector<dao::Value>& params)
{
    m_db->Execute(sql, params);
}

void SetupPrintFixture::emptyTable(const std::string& table)
{
    execute("DELETE FROM " + Quoted(table));
}

void SetupPrintFixture::addRow(const std::string& table, Row values)
{
    addRow(table, std::vector<std::pair<std::string, dao::Value>>(values.begin(), values.end()));
}

void SetupPrintFixture::addRow(const std::string& table, const std::vector<std::pair<std::string, dao::Value>>& values)
{
    std::string columns;
    std::string marks;
    std::vector<dao::Value> params;
    for (const auto& [name, value] : values) {
        columns += (columns.empty() ? "" : ", ") + Quoted(name);
        marks += marks.empty() ? "?" : ", ?";
        params.push_back(value);
    }
    execute("INSERT INTO " + Quoted(table) + " (" + columns + ") VALUES (" + marks + ")", params);
}

dao::Recordset& SetupPrintFixture::open(const std::string& source)
{
    m_open.push_back(m_db->OpenRecordset(source, dao::RecordsetType::Dynaset));
    return *m_open.back();
}

A4Recorder::A4Recorder()
{
    o::PreparePrinter(*this, 9, 0, 0, "ＭＳ ゴシック", 9);
}

std::string HeaderOnSheet(const std::string& title, const std::string& pageText)
{
    return M(std::string("【") + kCompany + "】" + title + kPrintedAtText + pageText);
}

std::string HeaderAtColumn6(const std::string& title, const std::string& pageText)
{
    return C6(std::string("【") + kCompany + "】" + title + kPrintedAtText + pageText);
}

std::string TrimRight(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::vector<std::vector<std::string>> Sheets(const printing::RecordingPrinter& printer)
{
    std::vector<std::vector<std::string>> sheets;
    for (const auto& page : printer.pages()) {
        std::vector<std::string> lines;
        for (const auto& line : page)
            lines.push_back(TrimRight(line.text));
        sheets.push_back(std::move(lines));
    }
    return sheets;
}

std::vector<std::string> BodyLines(const std::vector<std::string>& sheet)
{
    if (sheet.empty())
        return {};
    return std::vector<std::string>(sheet.begin() + 1, sheet.end());
}

::testing::AssertionResult SameLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    std::string differences;
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string a = i < actual.size() ? actual[i] : "(none)";
        const std::string e = i < expected.size() ? expected[i] : "(none)";
        if (a != e)
            differences += "line " + std::to_string(i) + "\n  printed:  [" + a + "]\n  expected: [" + e + "]\n";
    }
    if (differences.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences;
}

std::string M(const std::string& text)
{
    return "      " + text;
}

std::string C6(const std::string& text)
{
    return "     " + text;
}

}  // namespace setuptest
