#pragma once
// Checks on the sheets a printout really comes out on (RecordingPrinter):
// every page the printout laid out is one sheet, within the paper, opening
// with its page header.

#include "platform/printing/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <string>

namespace support {

// There are as many sheets as the printout laid out pages, sheet i shows the
// texts of page i, and every sheet lies within the paper.
inline ::testing::AssertionResult everyPageIsOneSheet(const printing::RecordingPrinter& printer)
{
    const auto& sheets = printer.sheets();
    const auto pages = printer.pages();
    if (sheets.size() != pages.size())
        return ::testing::AssertionFailure()
            << sheets.size() << " sheets for " << pages.size() << " pages the printout laid out";
    if (!printer.everySheetFitsThePaper())
        return ::testing::AssertionFailure() << "a sheet reaches off the paper";
    for (std::size_t i = 0; i < sheets.size(); ++i)
        if (printer.sheetTexts(i) != printer.pageTexts(i))
            return ::testing::AssertionFailure() << "sheet " << i + 1 << " differs from page " << i + 1;
    return ::testing::AssertionSuccess();
}

// As everyPageIsOneSheet, and the first line of every sheet holds
// `headerMark` (for example the report's title).
inline ::testing::AssertionResult everySheetIsAPageWithItsHeader(const printing::RecordingPrinter& printer,
                                                                 const std::string& headerMark)
{
    if (auto onePerPage = everyPageIsOneSheet(printer); !onePerPage)
        return onePerPage;
    for (std::size_t i = 0; i < printer.sheets().size(); ++i) {
        const auto lines = printer.sheetTexts(i);
        if (lines.empty() || lines.front().find(headerMark) == std::string::npos)
            return ::testing::AssertionFailure()
                << "sheet " << i + 1
                << " does not open with the header: " << (lines.empty() ? std::string("(empty)") : lines.front());
    }
    return ::testing::AssertionSuccess();
}

}  // namespace support
