#pragma once
// The fiscal-year rollover: the closed period's file is copied, through the
// database engine's backup, into a temporary file in the data folder; the copy
// is rolled forward there in one transaction (RollForward.h) and then renamed
// to the next period's file. On any failure the temporary file is removed, no
// next period's file is made, and the closed period's file is never written.

#include <optional>
#include <string>

namespace closing {

inline const char* const kRolloverQuestion = "会計システムの年次更新を行います　よろしいですか？";
inline const char* const kRolloverTitle = "会計年次更新";
inline const char* const kRolloverDone = "年次更新処理は終了しました";

// The files of a rollover.
struct RolloverFiles {
    std::string sourcePath;   // the closed period's file
    std::string targetName;   // the next period's file name
    std::string targetPath;   // ... in the data folder
};

struct RolloverFilesOrRefusal {
    std::optional<RolloverFiles> files;
    std::string refusal;      // the message when files is not set
};

// The files for the closed period's file `fileName` in `dataFolder`, whose
// settings row holds the period number `period`. Refused: a name without "第"
// (no next name can be made), a next name that is the closed period's own.
RolloverFilesOrRefusal RolloverFilesFor(const std::string& dataFolder, const std::string& fileName, long long period);

// "「name」は既にあります。置き換えてよろしいですか？"
std::string ReplaceTargetQuestion(const std::string& targetName);

struct RolloverOutcome {
    bool done = false;
    std::string failure;      // the message when not done
};

// Makes the next period's file `files.targetPath` from `files.sourcePath`,
// replacing a file of that name (the caller has asked first).
RolloverOutcome RollOverPeriodFile(const RolloverFiles& files);

}  // namespace closing
