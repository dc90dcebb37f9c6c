#pragma once
// A start directory and data folders in a temporary folder, prepared period
// files in them, scripted dialogs, and clean global state for every test.

#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include <filesystem>
#include <string>

namespace frametest {

class FrameFixture : public testsupport::WindowTestBase<> {
protected:
    void SetUp() override;
    void TearDown() override;

    // A prepared period file `name` in `folder` with these settings; an empty
    // company is stored as NULL when nullCompany is set.
    std::string makePeriodFile(const std::filesystem::path& folder, const std::string& name, const std::string& company,
                               int period, const std::string& firstDay, const std::string& lastDay);
    // A file that is not a database at all.
    std::string makeGarbageFile(const std::filesystem::path& folder, const std::string& name);
    // Runs SQL on a file (to take objects away, or set fields null).
    static void execSql(const std::string& path, const std::string& sql);

    void writeSavedPathFile(const std::string& content);
    std::string readSavedPathFile() const;
    bool savedPathFileExists() const;

    // The windows the menu opens, registered as the program does.
    void registerWindows(bool withJournalAndBooks);

    std::filesystem::path root;
    std::filesystem::path startDir;
    std::filesystem::path dataDir;
};

QString q(const char* utf8);
std::string s(const QString& text);

}  // namespace frametest
