#include "widgets/QtUserPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace bw {

namespace {

// Sets up a dialog the same way for opening and saving: title, filters, start folder and name.
void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    const QStringList filters = QtUserPrompts::QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

} // namespace

QStringList QtUserPrompts::QtNameFilters(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

void QtUserPrompts::Message(QWidget* parent, const QString& text, const QString& title, Icon icon) {
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok, parent);
    // Texts carry names the user typed; a name that looks like markup is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtUserPrompts::Question(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QStringList> QtUserPrompts::OpenFiles(QWidget* parent,
                                                    const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QStringList files;
    for (const QString& file : dialog.selectedFiles())
        files << QDir::toNativeSeparators(file);
    return files;
}

std::optional<QString> QtUserPrompts::SaveFile(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

bool QtUserPrompts::ConfirmReplace(QWidget* parent, const QString& path, const QString& title) {
    // As the file dialog asks it: its translated text, a warning, No by default.
    const QString text = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                             .arg(QFileInfo(path).fileName());
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace bw
