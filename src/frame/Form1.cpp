#include "frame/Form1.h"

#include "common/DatabasePath.h"
#include "common/o.h"
#include "frame/DatabaseFileDialog.h"
#include "frame/Fonts.h"
#include "frame/Form2.h"
#include "frame/RecordList.h"
#include "frame/SavedPathFile.h"
#include "frame/StartListLine.h"
#include "frame/WindowRegistry.h"
#include "frame/WorkWindow.h"
#include "periodfile/SchemaNames.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/PrinterSetup.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <vector>

namespace frame {

namespace {

constexpr const char* kProductTitle = "Velmora";

// How long the listing waits for a file that another program holds before it
// marks the line as in use: a glance, not the few seconds a write waits.
constexpr std::chrono::milliseconds kListingWait{200};
constexpr const char* kMenuTitle = "会計総合メニュー";  // names the menu in its messages

QPixmap pictureButtonImage(const QString& words)
{
    QPixmap pixmap(84, 76);
    pixmap.fill(QColor(0, 51, 153));
    QPainter painter(&pixmap);
    painter.setPen(Qt::white);
    painter.setFont(proportionalFont(8));
    painter.drawText(pixmap.rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, words);
    return pixmap;
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

// A POSIX path written relative to the start directory, made absolute so that
// its folder is a real one.
std::string absoluteFrom(const std::string& startDir, const std::string& path)
{
    if (o::PathSeparatorOf(path) != '/' || path.empty() || path[0] == '/')
        return path;
    return (std::filesystem::path(startDir) / path).lexically_normal().string();
}

// Names of the period files of a folder, by name: "…期.mdb" (case-sensitive),
// not "法定ﾏｽﾀｰ", at most `limit`.
std::vector<std::string> periodFileNames(const std::string& folder, std::size_t limit)
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(std::filesystem::path(folder.empty() ? "/" : folder), error);
    if (error)
        return names;
    for (const auto& entry : it) {
        std::error_code kindError;
        if (!entry.is_regular_file(kindError))
            continue;
        const std::string name = entry.path().filename().string();
        if (endsWith(name, "期.mdb") && name.find("法定ﾏｽﾀｰ") == std::string::npos)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    if (names.size() > limit)
        names.resize(limit);
    return names;
}

}  // namespace

Form1::Form1(const std::string& startDir, QWidget* parent) : QWidget(parent)
{
    buildControls();
    Form_Load(startDir);
}

Form1::Form1() : Form1(fromQ(QDir::currentPath()))
{
}

void Form1::buildControls()
{
    m_label1 = new QLabel(QString::fromUtf8("会計データベースファイル"), this);
    m_label1->setObjectName("Label1");
    m_label1->setFont(proportionalFont(12));

    m_list1 = newRecordList(this, "List1", 12);
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setMinimumSize(QFontMetrics(m_list1->font()).horizontalAdvance(QString(112, QChar('0'))), 260);

    const struct {
        int index;
        const char* caption;
    } buttons[] = {{Menu, "メニュー"}, {Quit, "終了"}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString("Command2_%1").arg(b.index));
        connect(button, &QPushButton::clicked, this, [this, index = b.index] { Command2_Click(index); });
        m_command2[b.index] = button;
    }
    const struct {
        int index;
        const char* words;
    } pictures[] = {{PrinterSetup, "プリンタ設定"}, {DatabaseFile, "データベース\n設定"}};
    for (const auto& p : pictures) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString("Image2_%1").arg(p.index));
        button->setToolTip(QString::fromUtf8(p.words).remove('\n'));
        button->setIcon(QIcon(pictureButtonImage(QString::fromUtf8(p.words))));
        button->setIconSize(QSize(84, 76));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, index = p.index] { Image2_Click(index); });
        m_image2[p.index] = button;
    }

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_image2[PrinterSetup]);
    buttonRow->addWidget(m_image2[DatabaseFile]);
    buttonRow->addStretch();
    buttonRow->addWidget(m_command2[Menu]);
    buttonRow->addWidget(m_command2[Quit]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_list1, 1);
    layout->addLayout(buttonRow);
}

QPushButton* Form1::Command2(int index) const
{
    const auto it = m_command2.find(index);
    return it == m_command2.end() ? nullptr : it->second;
}

QToolButton* Form1::Image2(int index) const
{
    const auto it = m_image2.find(index);
    return it == m_image2.end() ? nullptr : it->second;
}

void Form1::SetCaption(const std::string& text)
{
    setWindowTitle(toQ(text));
}

void Form1::Form_Load(const std::string& startDir)
{
    if (!WindowRegistry::instance().has("Form2"))
        registerFrameWindows();

    SetCaption(kProductTitle);
    o::StartDir = startDir;
    m_startWorkspace = dao::DBEngine::instance().Workspaces(0);

    std::string line = readSavedPath(o::StartDir);
    if (!line.empty()) {
        line = absoluteFrom(o::StartDir, line);
        if (fileExists(line)) {
            o::SavedDbPath = line;
            o::SplitDatabasePath(line);
        } else {
            line.clear();
        }
    }
    if (line.empty()) {
        const std::int16_t result = o::ChooseDatabaseFile();
        if (result != 0 || o::SavedDbPath.empty())
            return;  // no period file known: the list stays empty
        writeSavedPath(o::StartDir, o::SavedDbPath);
        o::SplitDatabasePath(o::SavedDbPath);
    }
    o::SetCurrentPathsFromSaved();
    ListDatabaseFiles();
}

void Form1::openStartDb(const std::string& path)
{
    m_startDb = m_startWorkspace->OpenDatabase(path);
}

void Form1::ListDatabaseFiles()
{
    m_fileList.fill(std::string());
    const std::vector<std::string> names = periodFileNames(o::DataFolder, 100);
    std::copy(names.begin(), names.end(), m_fileList.begin());
    m_listedFileCount = static_cast<std::int16_t>(names.size());
    m_list1->clear();
    if (m_listedFileCount == 0)
        return;

    int sel = 0;
    for (int i = 0; i < m_listedFileCount; ++i) {
        // A path of its own: the current period file stays as it is.
        const std::string path = o::JoinPath(o::DataFolder, m_fileList[i]);
        std::string line;
        try {
            // Only read, so the listing changes no file.
            m_startDb = m_startWorkspace->OpenDatabase(path, true, kListingWait);
            auto settings = m_startDb->OpenRecordset(schema::table::Settings, dao::RecordsetType::Table);
            if (settings->isEmpty()) {
                line = unreadableListLine(m_fileList[i]);
            } else {
                settings->MoveFirst();
                line = startListLine(settings->get(schema::column::CompanyName),
                                     settings->get(schema::column::PeriodNumber),
                                     settings->get(schema::column::PeriodStart),
                                     settings->get(schema::column::PeriodEnd), m_fileList[i]);
            }
            settings->Close();
        } catch (const dao::DaoError& e) {
            line = e.code() == dao::DaoError::Code::Busy ? inUseListLine(m_fileList[i])
                                                         : unreadableListLine(m_fileList[i]);
        } catch (const std::exception&) {
            line = unreadableListLine(m_fileList[i]);
        }
        m_list1->addItem(toQ(line));
        if (m_fileList[i] == o::DbFileName)
            sel = i;
    }
    m_list1->setCurrentRow(sel);
}

void Form1::Command2_Click(int index)
{
    if (index == Quit) {
        close();
        return;
    }
    if (index != Menu)
        return;
    const int row = m_list1->currentRow();
    if (row < 0 || row >= m_listedFileCount || m_list1->selectedItems().isEmpty())
        return;
    o::DbFileName = m_fileList[row];
    o::DbFilePath = o::JoinPath(o::DataFolder, o::DbFileName);
    try {
        openStartDb(o::DbFilePath);
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(std::string("期ファイルを開けません。\n") + e.what(), ui::Buttons::Ok);
        return;
    }
    WindowRegistry::instance().show("Form2", kMenuTitle);
}

void Form1::Image2_Click(int index)
{
    if (index == PrinterSetup) {
        ui::SetUpPrinter();
        return;
    }
    if (index != DatabaseFile)
        return;
    const std::int16_t result = o::ChooseDatabaseFile();
    if (result != 0 || o::SavedDbPath.empty())
        return;
    writeSavedPath(o::StartDir, o::SavedDbPath);
    o::SplitDatabasePath(o::SavedDbPath);
    o::SetCurrentPathsFromSaved();
    ListDatabaseFiles();
}

void ListPeriodFilesAgain()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* start = qobject_cast<Form1*>(widget))
            start->ListDatabaseFiles();
}

void registerFrameWindows()
{
    WindowRegistry::instance().add("Form2", [] { return static_cast<QWidget*>(new Form2()); });
}

}  // namespace frame
