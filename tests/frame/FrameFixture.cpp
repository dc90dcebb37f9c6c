#include "FrameFixture.h"

#include "closing/Form37.h"
#include "common/o.h"
#include "frame/Form1.h"
#include "frame/WindowRegistry.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/printing/RecordingPrinter.h"
#include "setup/Form31.h"
#include "statements/Form34.h"

#include <sqlite3.h>

#include <fstream>
#include <random>
#include <sstream>

namespace frametest {

namespace {

// One prepared file made per test program, copied for each file a test needs;
// its folder goes when the program ends.
class TemplateFile {
public:
    TemplateFile()
    {
        std::random_device random;
        m_dir = std::filesystem::temp_directory_path() / ("velmora-frame-template-" + std::to_string(random()));
        std::filesystem::create_directories(m_dir);
        m_file = m_dir / "template第1期.mdb";
        periodfile::createPeriodFile(m_file.string(), {"テンプレート", 1, "2024-04-01"});
    }
    ~TemplateFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    TemplateFile(const TemplateFile&) = delete;
    TemplateFile& operator=(const TemplateFile&) = delete;
    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_dir;
    std::filesystem::path m_file;
};

const std::filesystem::path& templateFile()
{
    static const TemplateFile made;
    return made.file();
}

}  // namespace

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

void FrameFixture::SetUp()
{
    std::random_device random;
    root = std::filesystem::temp_directory_path() / ("velmora-frame-" + std::to_string(random()));
    startDir = root / "start";
    dataDir = root / "会計データ";
    std::filesystem::create_directories(startDir);
    std::filesystem::create_directories(dataDir);

    WindowTestBase::SetUp();
}

void FrameFixture::TearDown()
{
    WindowTestBase::TearDown();
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

void FrameFixture::execSql(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

std::string FrameFixture::makePeriodFile(const std::filesystem::path& folder, const std::string& name,
                                         const std::string& company, int period, const std::string& firstDay,
                                         const std::string& lastDay)
{
    std::filesystem::create_directories(folder);
    const auto path = folder / name;
    std::filesystem::copy_file(templateFile(), path, std::filesystem::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.string().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db,
                                 "UPDATE 会計設定 SET 事業所名 = ?1, 会計年度 = ?2, 会計期間開始日 = ?3,"
                                 " 会計期間終了日 = ?4",
                                 -1, &st, nullptr),
              SQLITE_OK);
    sqlite3_bind_text(st, 1, company.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(st, 2, period);
    sqlite3_bind_text(st, 3, firstDay.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 4, lastDay.c_str(), -1, SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(st), SQLITE_DONE);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return path.string();
}

std::string FrameFixture::makeGarbageFile(const std::filesystem::path& folder, const std::string& name)
{
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << "this is not a period file, only some text";
    return path.string();
}

void FrameFixture::writeSavedPathFile(const std::string& content)
{
    std::ofstream(startDir / "QVDBPATH.txt", std::ios::binary) << content;
}

std::string FrameFixture::readSavedPathFile() const
{
    std::ifstream in(startDir / "QVDBPATH.txt", std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FrameFixture::savedPathFileExists() const
{
    return std::filesystem::exists(startDir / "QVDBPATH.txt");
}

void FrameFixture::registerWindows(bool withJournalAndBooks)
{
    frame::registerFrameWindows();
    registerStatementsWindows();
    registerSetupWindows();
    registerClosingWindows();
    if (withJournalAndBooks) {
        registerJournalWindows();
        registerBooksWindows();
    }
}

}  // namespace frametest
