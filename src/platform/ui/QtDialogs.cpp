#include "platform/ui/QtDialogs.h"

#include "platform/ui/SendKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTreeView>

#include <algorithm>

namespace ui {

QStringList toQtNameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QStringLiteral("*.*"))
                p = QStringLiteral("*");
        }
        result << parts[i] + QStringLiteral(" (") + patterns.join(' ') + QStringLiteral(")");
    }
    return result;
}

namespace {

// Room beside the name column: the icon before a name, the size, kind and date
// columns and the list of places on the left.
constexpr int kNameIconRoom = 40;
constexpr int kSizeColumn = 110;
constexpr int kKindColumn = 170;
constexpr int kDateColumn = 170;
constexpr int kOtherColumnsRoom = kSizeColumn + kKindColumn + kDateColumn + 30;
constexpr int kPlacesRoom = 200;

// The file dialog in detail view, its name column as wide as the widest name
// the first filter shows in the starting folder, the dialog wide enough for
// that column and the others beside it.
void fitToFileNames(QFileDialog& dialog, const QString& folder, const QStringList& filters)
{
    dialog.setViewMode(QFileDialog::Detail);
    int widest = 0;
    if (!folder.isEmpty()) {
        // The patterns stand in the filter's last parentheses.
        const QStringList patterns = filters.isEmpty()
            ? QStringList()
            : filters.front().section('(', -1).section(')', 0, 0).split(' ', Qt::SkipEmptyParts);
        const QFontMetrics metrics(dialog.font());
        for (const QString& name : QDir(folder).entryList(patterns, QDir::Files))
            widest = std::max(widest, metrics.horizontalAdvance(name));
    }
    const int nameColumn = std::max(widest + kNameIconRoom, 240);
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        view->header()->resizeSection(0, nameColumn);
        view->header()->resizeSection(1, kSizeColumn);
        view->header()->resizeSection(2, kKindColumn);
        view->header()->resizeSection(3, kDateColumn);
    }
    dialog.resize(std::max(dialog.sizeHint().width(), nameColumn + kOtherColumnsRoom + kPlacesRoom),
                  std::max(dialog.sizeHint().height(), 480));
}

}  // namespace

Answer QtDialogs::messageBox(const std::string& text, Buttons buttons, const std::optional<std::string>& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title ? *title : std::string(kProductTitle)));
    box.setText(QString::fromStdString(text));
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    // The buttons speak Japanese whatever the system's language.
    static const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "はい(&Y)"},
        {QMessageBox::No, "いいえ(&N)"},
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Cancel, "キャンセル"},
    };
    for (const auto& [which, caption] : captions)
        if (QAbstractButton* b = box.button(which))
            b->setText(QString::fromUtf8(caption));
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::No : Answer::Ok;
    }
}

void QtDialogs::beep()
{
    QApplication::beep();
}

FileOpenResult QtDialogs::openFile(const FileOpenRequest& request)
{
    FileOpenResult result;
    if (!qApp) {
        result.status = FileOpenResult::Status::Failed;
        return result;
    }
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // the detail view and the width below need Qt's own
    if (!request.title.empty())
        dialog.setWindowTitle(QString::fromStdString(request.title));
    const QStringList filters = toQtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    if (!request.initialDir.empty())
        dialog.setDirectory(QString::fromStdString(request.initialDir));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    fitToFileNames(dialog, QString::fromStdString(request.initialDir), filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;  // cancelled
    result.status = FileOpenResult::Status::Chosen;
    result.path = QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
    return result;
}

bool QtDialogs::printerSetup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::sendKeys(const std::string& keys)
{
    sendKeysToFocus(keys);
}

}  // namespace ui
