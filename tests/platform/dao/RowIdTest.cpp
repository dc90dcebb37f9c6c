// Row ids are never handed out twice, so a dynaset that reads its rows again by
// row id never shows another row in a deleted row's place, nor writes into it;
// a period file made before the key column existed is converted to that form
// the first time it is opened for writing.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <thread>

using namespace dao;
using namespace daotest;

namespace {

// Who deletes the row stored last and who adds another: this handle (whose
// dynaset is open), a second handle of this program (another window) or
// another program on the same file.
enum class Side { ThisHandle, AnotherWindow, AnotherProgram };

struct Writer {
    const char* name;
    Side deletes;
    Side adds;
};

void PrintTo(const Writer& writer, std::ostream* out)
{
    *out << writer.name;
}

constexpr const char* kDeleteLastStored = "DELETE FROM 仕訳台帳 WHERE 伝票番号 = '001' AND 追番 = 2";
constexpr const char* kAddAnother =
    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 入金) VALUES ('2024-04-05', '009', 1, '他の伝票', 777)";

std::shared_ptr<Database> openDb(const std::string& path, bool readOnly = false)
{
    return DBEngine::instance().Workspaces(0)->OpenDatabase(path, readOnly);
}

// The journal's rows as "rowid:伝票番号/追番", in stored order.
std::string storedRows(const std::string& path)
{
    return rawText(path,
                   "SELECT group_concat(r, ' ') FROM (SELECT rowid || ':' || 伝票番号 || '/' || 追番 AS r"
                   " FROM 仕訳台帳 ORDER BY rowid)");
}

class RowIdReuse : public ::testing::TestWithParam<Writer> {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);  // made before the key column existed
    std::shared_ptr<Database> mine = openDb(path);

    // The other side deletes the row stored last (001/2) and adds a row, which
    // SQLite would give the freed row id.
    void otherSideReplacesTheLastRow()
    {
        write(GetParam().deletes, kDeleteLastStored);
        write(GetParam().adds, kAddAnother);
        // Another program's writes are noticed by polling; let the poll come round.
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }

    void write(Side side, const char* sql)
    {
        switch (side) {
        case Side::ThisHandle: mine->Execute(sql); break;
        case Side::AnotherWindow: openDb(path)->Execute(sql); break;
        case Side::AnotherProgram: OtherProgram(path).exec(sql); break;
        }
    }

    static std::vector<std::string> walk(Recordset& rs)
    {
        std::vector<std::string> rows;
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
            rows.push_back(rs.get("伝票番号").toText() + "/" + rs.get("追番").toText() + " " + rs.get("摘要").toText());
        return rows;
    }
};

INSTANTIATE_TEST_SUITE_P(
    Writers, RowIdReuse,
    ::testing::Values(Writer{"AnotherWindow", Side::AnotherWindow, Side::AnotherWindow},
                      Writer{"AnotherProgram", Side::AnotherProgram, Side::AnotherProgram},
                      Writer{"DeletedHereAddedInAnotherWindow", Side::ThisHandle, Side::AnotherWindow},
                      Writer{"DeletedHereAddedByAnotherProgram", Side::ThisHandle, Side::AnotherProgram}),
    testsupport::kCaseName);

TEST_P(RowIdReuse, AnOpenDynasetNeverShowsANewRowInADeletedRowsPlace)
{
    for (const char* source : {"Q_仕訳台帳", "仕訳台帳"}) {
        SCOPED_TRACE(source);
        auto rs = openDb(path)->OpenRecordset(
            source, std::string(source) == "仕訳台帳" ? RecordsetType::Table : RecordsetType::Dynaset);
        rs->FindFirst("伝票番号 = '001' And 追番 = 2");
        ASSERT_FALSE(rs->NoMatch());
        const Bookmark place = rs->getBookmark();
        otherSideReplacesTheLastRow();
        try {
            rs->get("摘要");
            ADD_FAILURE() << "the deleted row still shows " << rs->get("摘要").toText();
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::NoCurrentRecord);
        }
        EXPECT_THROW(rs->setBookmark(place), DaoError);
        for (const std::string& row : walk(*rs))
            EXPECT_EQ(row.find("009"), std::string::npos) << row;
        EXPECT_EQ(rs->RecordCount(), 3);
        // Put the file back for the next source.
        rawExec(path,
                "DELETE FROM 仕訳台帳 WHERE 伝票番号 = '009'; INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 入金)"
                " VALUES ('2024-04-01', '001', 2, '売上', 2000)");
    }
}

// An edit begun on a row that the other side then deletes (before adding a row
// that SQLite would give the same id) is refused, and the new row keeps its
// values: never two edits mixed into one row.
TEST_P(RowIdReuse, AnEditOfADeletedRowNeverLandsOnTheNewRow)
{
    auto rs = mine->OpenRecordset("Q_仕訳台帳");
    rs->FindFirst("伝票番号 = '001' And 追番 = 2");
    rs->Edit();
    rs->set("摘要", "私の訂正");
    rs->set("入金", 2500);
    otherSideReplacesTheLastRow();
    try {
        rs->Update();
        FAIL() << "the edit was written";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::NoCurrentRecord);
        EXPECT_NE(std::string(e.what()).find("他の画面かプログラムで削除されています"), std::string::npos) << e.what();
    }
    rs->CancelUpdate();
    EXPECT_EQ(rawText(path, "SELECT 摘要 || ' ' || 入金 FROM 仕訳台帳 WHERE 伝票番号 = '009'"), "他の伝票 777");
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 摘要 = '私の訂正'"), 0);
    EXPECT_THROW(rs->Delete(), DaoError);
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '009'"), 1);
}

class RowIdConversion : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    void TearDown() override { DBEngine::instance().setBusyWait(DBEngine::kDefaultBusyWait); }
    static bool hasKeyColumn(OtherProgram& file, const std::string& table)
    {
        return file.count("SELECT pk FROM pragma_table_info('" + table + "') WHERE name = 'dao_rowid'") == 1;
    }
};

TEST_F(RowIdConversion, AFileMadeBeforeIsConvertedOnceKeepingItsRowsQueriesAndIndexes)
{
    rawExec(path, "CREATE INDEX 仕訳台帳_voucher ON 仕訳台帳 (伝票番号)");
    rawExec(path, "DELETE FROM 仕訳台帳 WHERE 伝票番号 = '003'");  // a gap in the row ids
    const std::string rows = storedRows(path);
    const std::string queries =
        rawText(path, "SELECT group_concat(name || ':' || sql, ' ') FROM sqlite_master WHERE type = 'view'");
    {
        auto db = openDb(path);
        auto rs = db->OpenRecordset("Q_仕訳台帳");
        EXPECT_EQ(rs->RecordCount(), 3);
        rs->MoveLast();
        EXPECT_EQ(rs->get("伝票番号").toText(), "002");
        EXPECT_EQ(db->fieldNames("仕訳台帳").front(), "日付");  // the key column stays hidden
    }
    EXPECT_EQ(storedRows(path), rows);
    OtherProgram file(path);
    for (const char* table : {"仕訳台帳", "会計設定", "型見本"})
        EXPECT_TRUE(hasKeyColumn(file, table)) << table;
    EXPECT_EQ(
        file.count("SELECT count(*) FROM sqlite_master WHERE name = '仕訳台帳_voucher' AND tbl_name = '仕訳台帳'"), 1);
    EXPECT_EQ(rawText(path, "SELECT group_concat(name || ':' || sql, ' ') FROM sqlite_master WHERE type = 'view'"),
              queries);
    // A table with a key of its own is left as it is.
    EXPECT_FALSE(hasKeyColumn(file, "勘定科目コード表"));

    // Opened again: nothing left to convert, the file stays byte for byte.
    const std::string converted = fileBytes(path);
    openDb(path)->OpenRecordset("会計設定")->get("事業所名");
    EXPECT_EQ(fileBytes(path), converted);
}

// Converting needs the write lock: a file another program is writing opens all
// the same, unconverted and unchanged, and is converted at a later opening.
TEST_F(RowIdConversion, AFileHeldByAnotherProgramOpensAsItIsAndIsConvertedLater)
{
    DBEngine::instance().setBusyWait(std::chrono::milliseconds(100));
    {
        OtherProgram holder(path);
        holder.exec("BEGIN IMMEDIATE; UPDATE 会計設定 SET 事業所名 = '書きかけ'");
        auto db = openDb(path);
        EXPECT_EQ(db->OpenRecordset("Q_仕訳台帳")->RecordCount(), 4);
        EXPECT_FALSE(hasKeyColumn(holder, "仕訳台帳"));
        holder.exec("ROLLBACK");
    }
    openDb(path);
    OtherProgram file(path);
    EXPECT_TRUE(hasKeyColumn(file, "仕訳台帳"));
    EXPECT_EQ(file.count("SELECT count(*) FROM 仕訳台帳"), 4);
}

// Opened only to read, a file made before is never changed.
TEST_F(RowIdConversion, AFileOpenedToReadIsNotConverted)
{
    const std::string before = fileBytes(path);
    openDb(path, true)->OpenRecordset("Q_仕訳台帳")->MoveLast();
    EXPECT_EQ(fileBytes(path), before);
}

}  // namespace
