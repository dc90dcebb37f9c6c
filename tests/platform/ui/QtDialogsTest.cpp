// The Qt dialogs, shown offscreen and answered by a timer that finds the
// modal dialog.
#include "platform/ui/QtDialogs.h"
#include "support/CaseName.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `answer` on the modal dialog once it is shown.
void whenModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start(10);
}

TEST(QtNameFilters, KeepEachDescriptionAndMatchItsPattern)
{
    EXPECT_EQ(ui::toQtNameFilters("期ファイル (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*"),
              (QStringList{"期ファイル (*.mdb) (*.mdb)", "すべてのﾌｧｲﾙ (*.*) (*)"}));
    EXPECT_EQ(ui::toQtNameFilters("テキスト|*.txt;*.csv"), QStringList{"テキスト (*.txt *.csv)"});
    EXPECT_TRUE(ui::toQtNameFilters("").isEmpty());
}

struct BoxCase {
    const char* name;
    ui::Buttons buttons;
    std::optional<std::string> title;
    QMessageBox::StandardButton press;
    ui::Answer answer;
    const char* caption;
    const char* buttonText;  // what the pressed button says
};
void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class QtMessageBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(QtMessageBox, ShowsTheButtonsAndTitleAndReturnsThePressedOne)
{
    const BoxCase c = GetParam();
    QString caption;
    QString pressedText;
    bool hasPressed = false;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        EXPECT_EQ(box->text(), QStringLiteral("よろしいですか？"));
        QAbstractButton* button = box->button(c.press);
        hasPressed = button != nullptr;
        if (button) {
            pressedText = button->text();
            button->click();
        } else
            box->reject();
    });
    EXPECT_EQ(ui::QtDialogs().messageBox("よろしいですか？", c.buttons, c.title), c.answer);
    EXPECT_TRUE(hasPressed);
    EXPECT_EQ(caption.toStdString(), c.caption);
    EXPECT_EQ(pressedText.toStdString(), c.buttonText);
}

INSTANTIATE_TEST_SUITE_P(Boxes, QtMessageBox,
                         ::testing::Values(BoxCase{"YesNoAnsweredNo", ui::Buttons::YesNo, std::string("仕訳入力"),
                                                   QMessageBox::No, ui::Answer::No, "仕訳入力", "いいえ(&N)"},
                                           BoxCase{"YesNoAnsweredYes", ui::Buttons::YesNo, std::string("仕訳入力"),
                                                   QMessageBox::Yes, ui::Answer::Yes, "仕訳入力", "はい(&Y)"},
                                           BoxCase{"OkWithoutTitle", ui::Buttons::Ok, std::nullopt, QMessageBox::Ok,
                                                   ui::Answer::Ok, "Velmora", "OK"},
                                           BoxCase{"OkCancelAnsweredCancel", ui::Buttons::OkCancel,
                                                   std::string("ＣＳＶファイル作成"), QMessageBox::Cancel,
                                                   ui::Answer::Cancel, "ＣＳＶファイル作成", "キャンセル"}),
                         testsupport::kCaseName);

// A question whose safe answer is No offers No as the default: Enter answers No.
TEST(QtMessageBoxDefault, YesNoDefaultNoAnswersNoOnTheDefaultButton)
{
    QString defaultText;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        QPushButton* byDefault = box->defaultButton();
        ASSERT_NE(byDefault, nullptr);
        defaultText = byDefault->text();
        byDefault->click();
    });
    EXPECT_EQ(ui::QtDialogs().messageBox("よろしいですか？", ui::Buttons::YesNoDefaultNo, std::string("会計年次更新")),
              ui::Answer::No);
    EXPECT_EQ(defaultText.toStdString(), "いいえ(&N)");
}

TEST(QtFileDialog, CancelIsNotAChoiceAndAnExistingFileIsChosen)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("会社第3期.mdb");
    QFile(file).open(QIODevice::WriteOnly);

    ui::FileOpenRequest request;
    request.filter = "期ファイル (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*";
    request.title = "データベース設定";
    request.initialDir = dir.path().toStdString();

    QString title;
    QStringList filters;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    const auto cancelled = ui::QtDialogs().openFile(request);
    EXPECT_EQ(cancelled.status, ui::FileOpenResult::Status::Cancelled);
    EXPECT_EQ(title.toStdString(), request.title);
    EXPECT_EQ(filters.size(), 2);

    request.fileName = "会社第3期.mdb";
    whenModal([&](QWidget* w) { static_cast<QDialog*>(w)->accept(); });  // QFileDialog::accept checks the file
    const auto chosen = ui::QtDialogs().openFile(request);
    EXPECT_EQ(chosen.status, ui::FileOpenResult::Status::Chosen);
    EXPECT_EQ(chosen.path, file.toStdString());
}

// Long period-file names show whole: the dialog opens in detail view with a
// name column as wide as the longest name the filter shows, and the dialog
// wide enough for that column beside the others; a longer name of another
// kind does not count.
TEST(QtFileDialog, OpensInDetailViewWideEnoughForThePeriodFilesNames)
{
    QTemporaryDir dir;
    const QString longName = QStringLiteral("サンプル商事株式会社東日本営業本部第10期.mdb");
    const QString otherKind = QStringLiteral("サンプル商事株式会社東日本営業本部第10期の控えのそのまた控え.txt");
    QFile(dir.filePath(longName)).open(QIODevice::WriteOnly);
    QFile(dir.filePath(otherKind)).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("甲第1期.mdb"))).open(QIODevice::WriteOnly);

    ui::FileOpenRequest request;
    request.filter = "期ファイル (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*";
    request.initialDir = dir.path().toStdString();

    QFileDialog::ViewMode mode = QFileDialog::List;
    int nameColumn = 0;
    int dialogWidth = 0;
    int nameWidth = 0;
    int otherWidth = 0;
    QString shownFilter;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        mode = dialog->viewMode();
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr);
        nameColumn = view->header()->sectionSize(0);
        dialogWidth = dialog->width();
        nameWidth = QFontMetrics(view->font()).horizontalAdvance(longName);
        otherWidth = QFontMetrics(view->font()).horizontalAdvance(otherKind);
        if (auto* filterBox = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            shownFilter = filterBox->currentText();
        dialog->reject();
    });
    ui::QtDialogs().openFile(request);
    EXPECT_EQ(mode, QFileDialog::Detail);
    EXPECT_GT(nameColumn, nameWidth);
    EXPECT_LT(nameColumn, otherWidth);
    EXPECT_GT(dialogWidth, nameColumn + 300);
    EXPECT_EQ(shownFilter.toStdString(), "期ファイル (*.mdb)");
}

TEST(QtSendKeys, TabMovesTheFocusToTheNextField)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit;
    auto* second = new QLineEdit;
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    first->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), first);

    ui::QtDialogs().sendKeys("{TAB}");
    EXPECT_EQ(QApplication::focusWidget(), second);
}

}  // namespace
