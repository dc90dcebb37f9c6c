#pragma once
// "QVDBPATH.txt" in the start directory: its first line is the full path of the
// period file chosen last. UTF-8; written as that one line and CR LF.

#include <string>

namespace frame {

inline constexpr const char* kSavedPathFileName = "QVDBPATH.txt";

std::string savedPathFile(const std::string& startDir);

// The first line, without its line end; "" when the file is missing or empty.
std::string readSavedPath(const std::string& startDir);

// Replaces the file's content with the path as its only line. False when the
// file cannot be written.
bool writeSavedPath(const std::string& startDir, const std::string& path);

}  // namespace frame
