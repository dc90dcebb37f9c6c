#pragma once
// The printer as the printed setup lists use it: every line begins with a
// margin of blanks and ends with the printer's plain line feed; blank lines
// and the gap after a line are the setup window's PrintNewLines/PrintLineGap;
// the page header is one line of "【", the company name, "】", the list's
// title, the print date and time and a page text.

#include "platform/dao/Value.h"
#include "platform/printing/PrinterDevice.h"

#include <string>

namespace setup {

// The margins of the setup lists: the account lists and the registers put 6
// blanks before a line's text; the company settings, the template list and the
// partner list print their text at print column 6, after 5 blanks.
inline constexpr int kSetupMargin = 6;
inline constexpr int kColumn6Margin = 5;

// "    ページ" and the page number as the printer prints a number, the label
// ending in the blanks each list gives it.
inline constexpr const char* kAccountListPageLabel = "    ページ ";    // account lists
inline constexpr const char* kTemplateListPageLabel = "    ページ  ";  // template list
inline constexpr const char* kOnePagePageLabel = "    ページ    ";     // page 1 reads "    ページ     1"

std::string SetupPageText(const std::string& label, int page);

// "【" 事業所名 "】" title "   yyyy/mm/dd(aaa) hh:mm" pageText.
std::string SetupHeaderLine(const dao::Value& companyName, const std::string& title, const dao::Date& printedAt,
                            const std::string& pageText);

class SetupPage {
public:
    SetupPage(printing::PrinterDevice& device, dao::Value companyName, dao::Date printedAt, int margin = kSetupMargin);

    // The same page with lines behind another margin (of `margin` blanks).
    SetupPage withMargin(int margin) const;

    printing::PrinterDevice& device() { return m_device; }

    void line(const std::string& text);  // the margin, the text, a line feed
    void blankLines(int n);              // PrintNewLines(n)
    void gap();                          // PrintLineGap
    void headerLine(const std::string& title, const std::string& pageText);
    // The block a page of a list opens with: a blank line, the header line,
    // a gap and a blank line.
    void headerBlock(const std::string& title, const std::string& pageText);
    void newPage();

    // True while `lines` more lines (printed without gaps) fit above the
    // bottom of the printable area from the current position.
    bool roomFor(int lines) const;

private:
    printing::PrinterDevice& m_device;
    dao::Value m_companyName;
    dao::Date m_printedAt;
    int m_margin;
};

}  // namespace setup
