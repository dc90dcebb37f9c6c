// Messages on bad files say what happened in the user's words: a bad stored
// value by its file, table, row and field; a folder the user may not write to
// as such (not as a read-only file); a failed commit and a failed write by the
// file and the table, never by an internal name (a saved query "Q_…", an SQL
// text, "CommitTrans").
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/Transaction.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include <sys/wait.h>
#include <unistd.h>

using namespace dao;
using namespace daotest;

namespace {

std::shared_ptr<Database> openDb(const std::string& path, bool readOnly = false)
{
    return DBEngine::instance().Workspaces(0)->OpenDatabase(path, readOnly);
}

void expectNoInternalName(const std::string& message)
{
    for (const char* internal : {"Q_", "SELECT", "INSERT", "UPDATE", "CommitTrans", "dao_rowid"})
        EXPECT_EQ(message.find(internal), std::string::npos) << internal << " in " << message;
}

// ---- bad stored values ------------------------------------------------------------

struct BadValue {
    const char* name;
    const char* spoil;   // run on the file before it is opened
    const char* source;  // what the window opens
    RecordsetType type;
    const char* find;  // the spoiled row
    const char* field;
    DaoError::Code code;
    const char* where;  // table and row as the message names them
    const char* what;   // the field, its value and what is wrong with it
};

void PrintTo(const BadValue& c, std::ostream* out)
{
    *out << c.name;
}

class BadStoredValue : public ::testing::TestWithParam<BadValue> {};

const BadValue kBadValues[] = {
    {"AmountOfTenToThe300", "UPDATE 仕訳台帳 SET 入金 = 1e300 WHERE 伝票番号 = '002'", "Q_仕訳台帳",
     RecordsetType::Dynaset, "伝票番号 = '002'", "入金", DaoError::Code::Overflow,
     "の「仕訳台帳」の 4 行目（日付 2024/4/3、伝票番号 002）",
     "フィールド「入金」の値「1E+300」は扱える範囲（-2147483648～2147483647）を超えています"},
    {"SettingsFlagMaybe",
     "ALTER TABLE 会計設定 ADD COLUMN 消費税計算 BOOLEAN DEFAULT 0; UPDATE 会計設定 SET 消費税計算 = 'maybe'",
     "会計設定", RecordsetType::Table, "", "消費税計算", DaoError::Code::TypeMismatch,
     "の「会計設定」の 1 行目（事業所名 ベルモラ商事、会計年度 1）",
     "フィールド「消費税計算」の値「maybe」は真偽値（True/False）として読めません"},
    {"DateThatDoesNotExist", "UPDATE 仕訳台帳 SET 日付 = '2024-02-30' WHERE 伝票番号 = '003'",
     "SELECT * FROM Q_仕訳台帳 WHERE 伝票番号 = '003'", RecordsetType::Snapshot, "", "日付",
     DaoError::Code::TypeMismatch, "の「仕訳台帳」の 1 行目（伝票番号 003、追番 1）",
     "フィールド「日付」の値「2024-02-30」は日付として読めません"},
    {"AmountWithAFractionOfAYen", "UPDATE 仕訳台帳 SET 入金 = 1.5 WHERE 伝票番号 = '002'", "Q_仕訳台帳",
     RecordsetType::Dynaset, "伝票番号 = '002'", "入金", DaoError::Code::TypeMismatch,
     "の「仕訳台帳」の 4 行目（日付 2024/4/3、伝票番号 002）", "フィールド「入金」の値「1.5」は整数ではありません"},
    {"RowNumberBeyondItsField", "UPDATE 仕訳台帳 SET 追番 = 70000 WHERE 伝票番号 = '003'", "仕訳台帳",
     RecordsetType::Table, "伝票番号 = '003'", "追番", DaoError::Code::Overflow,
     "の「仕訳台帳」の 3 行目（日付 2024/4/2、伝票番号 003）",
     "フィールド「追番」の値「70000」は扱える範囲（-32768～32767）を超えています"},
};

INSTANTIATE_TEST_SUITE_P(Values, BadStoredValue, ::testing::ValuesIn(kBadValues), testsupport::kCaseName);

TEST_P(BadStoredValue, NamesTheFileTheTableTheRowAndTheField)
{
    const BadValue& c = GetParam();
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, c.spoil);
    auto rs = openDb(path)->OpenRecordset(c.source, c.type);
    if (*c.find)
        rs->FindFirst(c.find);
    try {
        rs->get(c.field);
        FAIL() << "read without a word";
    } catch (const DaoError& e) {
        const std::string message = e.what();
        EXPECT_EQ(e.code(), c.code);
        EXPECT_EQ(message.rfind("ファイル「" + path + "」" + c.where + "で、" + c.what + "。", 0), 0u) << message;
        expectNoInternalName(message);
    }
    // The row's other fields read as before.
    const std::string other = std::string(c.source) == "会計設定" ? "事業所名" : "摘要";
    EXPECT_FALSE(rs->get(other).isNull());
}

// ---- folders and files the user may not write to -------------------------------------

// The test runs as root in CI, for which every folder is writable: the write is
// then made by a child process that has given up root.
struct Permission {
    const char* name;
    bool folderWritable;
    bool fileWritable;
    const char* expected;
};

void PrintTo(const Permission& c, std::ostream* out)
{
    *out << c.name;
}

class NotWritable : public ::testing::TestWithParam<Permission> {};

INSTANTIATE_TEST_SUITE_P(
    Places, NotWritable,
    ::testing::Values(
        Permission{"ReadOnlyFolder", false, true,
                   "フォルダ「%DIR%」に書き込む許可がないため、ファイル「%FILE%」の「会計設定」に書き込めませんでした"},
        Permission{"ReadOnlyFile", true, false,
                   "ファイル「%FILE%」は読み取り専用のため、「会計設定」に書き込めませんでした"}),
    testsupport::kCaseName);

// Runs `write` as a user without root (in a child process when this is root)
// and returns the message of the DaoError it threw ("" when none).
std::string messageOfWriteWithoutRoot(const std::function<void()>& write)
{
    auto attempt = [&]() -> std::string {
        try {
            write();
            return {};
        } catch (const DaoError& e) {
            return e.what();
        }
    };
    if (::geteuid() != 0)
        return attempt();
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string message = "could not give up root";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0)
            message = attempt();
        const ssize_t written = ::write(pipeEnds[1], message.data(), message.size());
        ::_exit(written == static_cast<ssize_t>(message.size()) ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return message;
}

TEST_P(NotWritable, SaysWhichOneTheUserMayNotWriteTo)
{
    const Permission& c = GetParam();
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    namespace fs = std::filesystem;
    const auto all = fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all;
    const auto readable = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec
        | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(path,
                    c.fileWritable ? all : fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder, c.folderWritable ? all : readable);
    const std::string message =
        messageOfWriteWithoutRoot([&] { openDb(path)->Execute("UPDATE 会計設定 SET 事業所名 = ?", {Value("変更")}); });
    fs::permissions(folder, all);
    fs::permissions(path, all);

    std::string expected = c.expected;
    expected.replace(expected.find("%FILE%"), 6, path);
    if (const auto at = expected.find("%DIR%"); at != std::string::npos)
        expected.replace(at, 5, folder);
    EXPECT_NE(message.find(expected), std::string::npos) << message;
    EXPECT_NE(message.find("ファイルの内容は変わっていません"), std::string::npos) << message;
    if (!c.folderWritable) {
        EXPECT_EQ(message.find("読み取り専用"), std::string::npos) << message;
    }
    EXPECT_EQ(rawText(path, "SELECT 事業所名 FROM 会計設定"), "ベルモラ商事");
}

// ---- failed commits and writes ---------------------------------------------------------

class FailedWrite : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Workspace> workspace = DBEngine::instance().Workspaces(0);
    std::shared_ptr<Database> db = workspace->OpenDatabase(path);
    void TearDown() override { DBEngine::instance().clearFailurePlan(); }
};

TEST_F(FailedWrite, AFailedCommitNamesTheFileNotTheCall)
{
    DBEngine::instance().setFailurePlan({FailurePlan::Kind::CommitFails, 1, false});
    try {
        RunInTransaction(*workspace, [&] { db->Execute("UPDATE 会計設定 SET 事業所名 = '変更'"); });
        FAIL() << "committed";
    } catch (const DaoError& e) {
        EXPECT_NE(std::string(e.what()).find("ファイル「" + path + "」への変更を保存できませんでした"),
                  std::string::npos)
            << e.what();
        expectNoInternalName(e.what());
    }
    EXPECT_EQ(rawText(path, "SELECT 事業所名 FROM 会計設定"), "ベルモラ商事");
}

TEST_F(FailedWrite, ASecondRowWithTheSameCodeIsNamedByTheTableWrittenTo)
{
    const std::string expected =
        "同じコードの行がすでにあるため、ファイル「" + path + "」の「勘定科目コード表」に書き込めませんでした。";
    try {
        db->Execute("INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名) VALUES (?, ?)",
                    {Value("100"), Value("小口現金")});
        FAIL() << "a second row with code 100";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.what(), expected);
    }
    auto inUse = db->OpenRecordset("Q_使用勘定科目表");
    inUse->AddNew();
    inUse->set("勘定科目コード", "200");
    try {
        inUse->Update();
        FAIL() << "a second row with code 200";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.what(), expected);
    }
    inUse->CancelUpdate();
}

TEST_F(FailedWrite, AnSqlTextIsNamedByItsTable)
{
    auto rs = db->OpenRecordset("SELECT * FROM Q_仕訳台帳 WHERE 伝票番号 = '001'");
    try {
        rs->get("無い項目");
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "「仕訳台帳」にフィールド「無い項目」がありません（ファイル「" + path + "」）。");
    }
    try {
        rs->Edit();
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::ReadOnly);
        expectNoInternalName(e.what());
    }
}

}  // namespace
