#pragma once
// The fiscal-year rollover: the closed period's file is copied, through the
// database engine's backup, into a temporary file in the data folder; the copy
// is rolled forward there in one transaction (RollForward.h) and then renamed
// to the next period's file. On any failure the temporary file is removed, no
// next period's file is made, and the closed period's file is never written.

#include <functional>
#include <optional>
#include <string>

namespace closing {

inline const char* const kRolloverQuestion = "会計システムの年次更新を行います　よろしいですか？";
inline const char* const kRolloverTitle = "会計年次更新";
inline const char* const kRolloverDone = "年次更新処理は終了しました";

// kRolloverDone, then the name of the new file on a line of its own.
std::string RolloverDoneMessage(const std::string& targetName);

// The files of a rollover.
struct RolloverFiles {
    std::string sourcePath;           // the closed period's file
    std::string targetName;           // the next period's file name
    std::string targetPath;           // ... in the data folder
    std::optional<long long> period;  // the 会計年度 the name was made from: the copy must hold it
};

struct RolloverFilesOrRefusal {
    std::optional<RolloverFiles> files;
    std::string refusal;  // the message when files is not set
};

// The files for the closed period's file `fileName` in `dataFolder`, whose
// settings row holds the period number `period`. Refused: a name without "第"
// (no next name can be made), a next name that is the closed period's own, a
// folder (or anything but a file) under the next name.
RolloverFilesOrRefusal RolloverFilesFor(const std::string& dataFolder, const std::string& fileName, long long period);

// "「name」は既にあります。置き換えてよろしいですか？"
std::string ReplaceTargetQuestion(const std::string& targetName);

struct RolloverOutcome {
    bool done = false;
    bool declined = false;  // the openings did not balance and the user stopped
    std::string failure;    // the message when neither done nor declined
};

// Asked with the question of UnbalancedOpeningsQuestion; true goes on.
using ConfirmUnbalanced = std::function<bool(const std::string& question)>;

// "年次更新を中止しました。…を書き込めませんでした：reason。" and that the
// closed period's file is unchanged and no next file was made.
std::string RolloverWriteFailure(const std::string& whatFailed, const std::string& reason,
                                 const std::string& sourcePath);

// Makes the next period's file `files.targetPath` from `files.sourcePath`,
// replacing a file of that name (the caller has asked first). Leftover
// scratch copies of the same next file are removed first. When the openings
// it would carry do not balance, `confirm` decides before the file is put in
// place (without it, the rollover stops). The copy is compacted before it is
// put in place.
RolloverOutcome RollOverPeriodFile(const RolloverFiles& files, const ConfirmUnbalanced& confirm = {});

}  // namespace closing
