#include "closing/Rollover.h"

#include "closing/ScratchCopy.h"
#include "closing/NextPeriod.h"
#include "closing/RollForward.h"
#include "common/DatabasePath.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/WaitBudget.h"

#include <cerrno>
#include <filesystem>
#include <new>

namespace closing {

namespace {

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (std::filesystem::exists(a, error) && std::filesystem::exists(b, error))
        return std::filesystem::equivalent(a, b, error);
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

// The closed period's file copied into memory, in a workspace of its own so
// that its transaction covers the copy alone, never the closed period's file
// that the program holds open; closed whatever happens. Nothing of it reaches
// the disk until the rolled-forward copy is written, compacted, to the
// scratch file (ScratchCopy.h), which a failure removes and which a crash
// leaves for the next rollover to the same name to remove. The roll-forward
// walks the closed period's journal and clears it: in memory neither waits
// for the disk, and the period's rows, gone from the copy, are never written.
class OpenCopy {
public:
    OpenCopy(const std::string& sourcePath, const std::string& scratchPath)
        : m_workspace(std::make_shared<dao::Workspace>()), m_copy(m_workspace->OpenScratchCopy(sourcePath, scratchPath))
    {
    }
    ~OpenCopy()
    {
        try {
            m_copy->Close();
            m_workspace->Close();
        } catch (...) {
        }
    }
    OpenCopy(const OpenCopy&) = delete;
    OpenCopy& operator=(const OpenCopy&) = delete;

    dao::Workspace& workspace() { return *m_workspace; }
    dao::Database& database() { return *m_copy; }

private:
    std::shared_ptr<dao::Workspace> m_workspace;
    std::shared_ptr<dao::Database> m_copy;
};

std::string failureOfDatabase(const dao::DaoError& error, const RolloverFiles& files)
{
    switch (error.code()) {
    case dao::DaoError::Code::DiskFull:
        return RolloverWriteFailure("次期のファイル「" + files.targetPath + "」", FileErrorReason(ENOSPC),
                                    files.sourcePath);
    case dao::DaoError::Code::ReadOnly:
        return RolloverWriteFailure("次期のファイル「" + files.targetPath + "」", FileErrorReason(EACCES),
                                    files.sourcePath);
    case dao::DaoError::Code::WriteFailed:
        return RolloverWriteFailure("次期のファイル「" + files.targetPath + "」", FileErrorReason(EIO),
                                    files.sourcePath);
    default:
        return std::string("年次更新を中止しました。") + error.what() + "\n今のファイル「" + files.sourcePath
            + "」は変わっていません。次期のファイルは作っていません。";
    }
}

std::string failureOfCopy(const CopyFailure& failure, const RolloverFiles& files)
{
    if (failure.reading())
        return "年次更新を中止しました。今のファイル「" + failure.path() + "」を読めませんでした：" + failure.reason()
            + "。\n今のファイルは変わっていません。次期のファイルは作っていません。";
    if (failure.path() == files.targetPath || failure.path().find(files.targetName) != std::string::npos)
        return RolloverWriteFailure("次期のファイル「" + files.targetPath + "」", failure.reason(), files.sourcePath);
    return RolloverWriteFailure("フォルダ「" + failure.path() + "」に次期のファイル「" + files.targetName + "」",
                                failure.reason(), files.sourcePath);
}

}  // namespace

RolloverFilesOrRefusal RolloverFilesFor(const std::string& dataFolder, const std::string& fileName, long long period)
{
    RolloverFilesOrRefusal result;
    const auto targetName = NextPeriodFileName(fileName, period + 1);
    if (!targetName) {
        result.refusal = "ファイル名「" + fileName + "」に「第」がないため、次期のファイル名を決められません";
        return result;
    }
    RolloverFiles files{o::JoinPath(dataFolder, fileName), *targetName, o::JoinPath(dataFolder, *targetName), period};
    if (*targetName == fileName || sameFile(files.sourcePath, files.targetPath)) {
        result.refusal = "次期のファイル「" + *targetName + "」が今のファイルと同じです。会計年度（第"
            + std::to_string(period) + "期）を確かめてください";
        return result;
    }
    std::error_code error;
    const auto kind = std::filesystem::status(files.targetPath, error).type();
    if (kind != std::filesystem::file_type::not_found && kind != std::filesystem::file_type::regular
        && kind != std::filesystem::file_type::none) {
        result.refusal = "データフォルダに次期のファイルと同じ名前「" + *targetName + "」の"
            + (kind == std::filesystem::file_type::directory ? "フォルダ" : "ファイルでないもの")
            + "があるため、次期のファイルを作れません。名前を変えるか移してから年次更新を行ってください";
        return result;
    }
    result.files = std::move(files);
    return result;
}

std::string ReplaceTargetQuestion(const std::string& targetName)
{
    return "次期のファイル「" + targetName + "」は既にあります。置き換えてよろしいですか？";
}

std::string RolloverWriteFailure(const std::string& whatFailed, const std::string& reason,
                                 const std::string& sourcePath)
{
    return "年次更新を中止しました。" + whatFailed + "を書き込めませんでした：" + reason + "。\n今のファイル「"
        + sourcePath + "」は変わっていません。次期のファイルは作っていません。";
}

std::string RolloverDoneMessage(const std::string& targetName)
{
    return std::string(kRolloverDone) + "\n次期のファイル：" + targetName;
}

RolloverOutcome RollOverPeriodFile(const RolloverFiles& files, const ConfirmUnbalanced& confirm)
{
    const dao::Operation operation;  // all its waits for a held file share one budget
    RolloverOutcome outcome;
    try {
        const std::string folder = std::filesystem::path(files.targetPath).parent_path().string();
        RemoveLeftoverCopies(folder, files.targetName);
        ScratchCopy scratch(folder, files.targetName);
        {
            OpenCopy copy(files.sourcePath, scratch.path());
            const CarriedOpenings openings = RollForward(copy.workspace(), copy.database(), files.period);
            if (!openings.balanced() && !(confirm && confirm(UnbalancedOpeningsQuestion(openings)))) {
                outcome.declined = true;
                return outcome;
            }
            // The closed period's rows leave their pages free: the new file is
            // written without them.
            copy.database().WriteCompactedTo(scratch.path());
        }
        scratch.moveInto(files.targetPath);
        outcome.done = true;
    } catch (const RolloverRefused& refused) {
        outcome.failure = refused.what();
    } catch (const CopyFailure& failure) {
        outcome.failure = failureOfCopy(failure, files);
    } catch (const dao::DaoError& error) {
        outcome.failure = failureOfDatabase(error, files);
    } catch (const std::bad_alloc&) {
        outcome.failure =
            RolloverWriteFailure("次期のファイル「" + files.targetPath + "」", "メモリが足りません", files.sourcePath);
    } catch (const std::exception& e) {
        outcome.failure =
            RolloverWriteFailure("次期のファイル「" + files.targetPath + "」",
                                 std::string("予期しないエラーが起きました（") + e.what() + "）", files.sourcePath);
    }
    return outcome;
}

}  // namespace closing
