#include "ui/Dialogs.h"

#include "core/JpegPicture.h"
#include "ui/MessageText.h"
#include "ui/dialogs/TFormGetText.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>

namespace korvex {

namespace {

Dialogs* g_installed = nullptr;

QString windowTitle() {
    return QStringLiteral("Korvex");
}

} // namespace

Dialogs& dialogs() {
    static QtDialogs qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void installDialogs(Dialogs* implementation) {
    g_installed = implementation;
}

QString runTextPrompt(Dialogs& dialogs, QWidget* parent, const TLanguage& language,
                      const QString& caption, TextPromptLayout layout, const QString& suggestion) {
    TFormGetText form(language, parent);
    form.setWindowTitle(caption);
    form.setLayoutVariant(static_cast<int>(layout));
    form.setText(suggestion);
    // Whatever way the form was left other than OK, the answer is the empty text.
    return dialogs.exec(&form) == QDialog::Accepted ? form.text() : QString();
}

void QtDialogs::information(QWidget* parent, const QString& text) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Information, windowTitle(), QString(), QMessageBox::Ok, parent);
    setMessageText(box, text);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& text) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, windowTitle(), QString(),
                    QMessageBox::Yes | QMessageBox::No, parent);
    setMessageText(box, text);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::getText(QWidget* parent, const TLanguage& language, const QString& caption,
                           TextPromptLayout layout, const QString& suggestion) {
    return runTextPrompt(*this, parent, language, caption, layout, suggestion);
}

namespace {

QString runFileDialog(QWidget* parent, const FileDialogOptions& options, bool save) {
    QFileDialog dialog(parent, options.title, options.folder, options.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(options.defaultSuffix);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::openFileName(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, false);
}

QString QtDialogs::saveFileName(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, true);
}

bool QtDialogs::print(QWidget* parent, QPrinter* printer) {
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::exec(QDialog* dialog) {
    return dialog->exec();
}

QAction* QtDialogs::popup(QMenu* menu, const QPoint& globalPos) {
    return menu->exec(globalPos);
}

bool QtDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString openJpegPicture(QWidget* parent, JpegPicture* picture) {
    FileDialogOptions options;
    options.filter = QStringLiteral("*.jpg (*.jpg)");
    options.defaultSuffix = QStringLiteral("jpg");
    const QString file = dialogs().openFileName(parent, options);
    if (file.isEmpty())
        return {};
    QString error;
    if (!picture->loadFile(file, &error)) {
        dialogs().information(parent, error);
        return {};
    }
    return file;
}

} // namespace korvex
