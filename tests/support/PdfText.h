#pragma once
// The text of a PDF file as pdftotext lays it out (-layout), for tests that
// read a printout back from its PDF; those tests are skipped where pdftotext
// is not installed.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace testsupport {

inline bool PdfToTextInstalled()
{
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

// "" when the file cannot be read.
inline std::string PdfText(const std::string& pdf)
{
    std::string out;
    const std::string command = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()))
        out += buffer.data();
    return out;
}

}  // namespace testsupport
