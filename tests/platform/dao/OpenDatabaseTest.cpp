// Opening period files: what is not one is refused with a clear message and left untouched.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace dao;
using namespace daotest;

namespace {

std::shared_ptr<Database> openDb(const std::string& path, bool readOnly = false)
{
    return DBEngine::instance().Workspaces(0)->OpenDatabase(path, readOnly);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct RefusedFile {
    const char* label;
    std::string bytes;
    DaoError::Code code;
};

}  // namespace

TEST(OpenDatabase, FilesThatAreNotPeriodFilesAreRefusedAndLeftUntouched)
{
    TempDir dir;
    std::string damaged = fileBytes(makePeriodFile(dir, "元.mdb"));
    damaged.replace(100, 3000, std::string(3000, '\x5a'));  // schema page overwritten
    const RefusedFile cases[] = {
        {"access", std::string("\0\x01\0\0Standard Jet DB\0", 20) + std::string(2000, '\0'),
         DaoError::Code::NotAPeriodFile},
        {"text", "日付,金額\n2024/4/1,100\n", DaoError::Code::NotAPeriodFile},
        {"empty", "", DaoError::Code::NotAPeriodFile},
        {"damaged", damaged, DaoError::Code::NotAPeriodFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = dir.file(std::string(c.label) + "第1期.mdb");
        writeFile(path, c.bytes);
        try {
            openDb(path);
            FAIL() << "opened";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_NE(std::string(e.what()).find("「" + path + "」を開けません"), std::string::npos) << e.what();
        }
        EXPECT_EQ(fileBytes(path), c.bytes);
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    }
}

TEST(OpenDatabase, MissingFileIsNotCreated)
{
    TempDir dir;
    const std::string path = dir.file("無い第9期.mdb");
    try {
        openDb(path);
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::CannotOpen);
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(OpenDatabase, MissingObjectAndFieldAreNamed)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    auto db = openDb(path);
    try {
        db->OpenRecordset("Q_無いクエリ");
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::NoSuchObject);
        EXPECT_EQ(std::string(e.what()),
                  "ファイル「" + path + "」に「無いクエリ」がありません（期ファイルでないか、壊れています）。");
    }
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    try {
        rs->get("無い項目");
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::NoSuchField);
        EXPECT_EQ(std::string(e.what()),
                  "「仕訳台帳」にフィールド「無い項目」がありません（ファイル「" + path + "」）。");
    }
    EXPECT_FALSE(db->hasObject("Q_無いクエリ"));
    EXPECT_TRUE(db->hasObject("Q_仕訳台帳"));
    EXPECT_TRUE(db->hasObject("会計設定"));
}

TEST(OpenDatabase, FieldListsHideTheRowKey)
{
    TempDir dir;
    auto db = openDb(makePeriodFile(dir));
    const auto names = db->fieldNames("Q_仕訳台帳");
    EXPECT_EQ(std::count(names.begin(), names.end(), "dao_rowid"), 0);
    EXPECT_EQ(names.front(), "日付");
    EXPECT_EQ(names.back(), "小分類2");
    auto rs = db->OpenRecordset("会計設定", RecordsetType::Table);
    EXPECT_EQ(rs->fieldNames(), (std::vector<std::string>{"事業所名", "会計年度", "期首日"}));
    EXPECT_FALSE(rs->hasField("dao_rowid"));
}

TEST(OpenDatabase, SeveralHandlesOnOneFileSeeEachOthersWrites)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    auto first = openDb(path);
    auto second = openDb(path);
    EXPECT_EQ(first->connection(), second->connection());
    auto settings = first->OpenRecordset("会計設定");
    settings->Edit();
    settings->set("事業所名", "新社名");
    settings->Update();
    auto again = second->OpenRecordset("会計設定");
    EXPECT_EQ(again->get("事業所名").toText(), "新社名");
}

TEST(OpenDatabase, HandleLivesWhileItsRecordsetsDo)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    std::unique_ptr<Recordset> rs;
    {
        auto db = openDb(path);
        rs = db->OpenRecordset("Q_仕訳台帳");
        db->Close();
    }
    rs->MoveLast();
    rs->Edit();
    rs->set("摘要", "後から修正");
    rs->Update();
    EXPECT_EQ(rawText(path, "SELECT 摘要 FROM 仕訳台帳 WHERE 伝票番号='002'"), "後から修正");
}

TEST(OpenDatabase, ReadOnlyOpenReadsButRefusesWrites)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir, "給与.mdb");
    const std::string before = fileBytes(path);
    auto db = openDb(path, true);
    auto rs = db->OpenRecordset("SELECT * FROM Q_仕訳台帳 ORDER BY 入金", RecordsetType::Snapshot);
    EXPECT_EQ(rs->get("入金").toInt32(), 2000);
    EXPECT_THROW(db->Execute("DELETE FROM 仕訳台帳"), DaoError);
    auto dyn = db->OpenRecordset("Q_仕訳台帳");
    try {
        dyn->Edit();
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::ReadOnly);
    }
    EXPECT_EQ(fileBytes(path), before);
}

TEST(OpenDatabase, FileCopiedOverAnOpenOneIsReadAfresh)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir, "会社第2期.mdb");
    const std::string source = makePeriodFile(dir, "会社第1期.mdb");
    rawExec(source, "UPDATE 会計設定 SET 事業所名 = '複写元'");
    auto before = openDb(path);
    EXPECT_EQ(before->OpenRecordset("会計設定")->get("事業所名").toText(), "ベルモラ商事");
    struct Replace {
        const char* label;
        bool byRename;
    };
    for (const Replace replace : {Replace{"copy in place", false}, Replace{"rename over", true}}) {
        SCOPED_TRACE(replace.label);
        rawExec(source, "UPDATE 会計設定 SET 会計年度 = 会計年度 + 1");
        if (replace.byRename) {
            std::filesystem::copy_file(source, path + ".tmp", std::filesystem::copy_options::overwrite_existing);
            std::filesystem::rename(path + ".tmp", path);
        } else {
            std::filesystem::copy_file(source, path, std::filesystem::copy_options::overwrite_existing);
        }
        auto after = openDb(path);
        auto settings = after->OpenRecordset("会計設定");
        EXPECT_EQ(settings->get("事業所名").toText(), "複写元");
        EXPECT_EQ(settings->get("会計年度").toInt32(), replace.byRename ? 3 : 2);
    }
}

// An SQLite file that lacks the period file's objects (here one in WAL mode, as
// another program may leave it) opens, but the first object the program asks for
// is named as missing with the file, and the file is left as it was.
TEST(OpenDatabase, SqliteFileWithoutThePeriodFilesObjectsIsNamedAndLeftUntouched)
{
    TempDir dir;
    const std::string path = dir.file("他のデータ第1期.mdb");
    rawExec(path,
            "PRAGMA journal_mode=WAL; CREATE TABLE メモ (本文 TEXT); INSERT INTO メモ VALUES ('x');"
            " PRAGMA wal_checkpoint(TRUNCATE);");
    std::filesystem::remove(path + "-wal");
    std::filesystem::remove(path + "-shm");
    const std::string before = fileBytes(path);
    {
        auto db = openDb(path);
        try {
            db->OpenRecordset("会計設定", RecordsetType::Table);
            FAIL() << "opened";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::NoSuchObject);
            EXPECT_EQ(std::string(e.what()),
                      "ファイル「" + path + "」に「会計設定」がありません（期ファイルでないか、壊れています）。");
        }
    }
    EXPECT_EQ(fileBytes(path), before);
}

// A period file left in WAL mode is put back on the rollback journal, so that
// the one file holds everything (a copy of it is complete).
TEST(OpenDatabase, PeriodFileInWalModeIsPutBackOnTheRollbackJournal)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, "PRAGMA journal_mode=WAL");
    ASSERT_EQ(rawText(path, "PRAGMA journal_mode"), "wal");
    {
        auto db = openDb(path);
        db->Execute("UPDATE 会計設定 SET 事業所名 = '書き込み後'");
    }
    EXPECT_EQ(rawText(path, "PRAGMA journal_mode"), "delete");
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
}
