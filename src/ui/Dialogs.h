#pragma once

#include <QString>
#include <QUrl>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace korvex {

class JpegPicture;
class TLanguage;

// What a file dialog is set up with before use; every command sets the default extension
// and filter of its own.
struct FileDialogOptions {
    QString title;
    QString folder;        // start folder
    QString fileName;      // suggested name (save) or preselected file (open)
    QString filter;        // for example "Graphic practise (*.gmp)"
    QString defaultSuffix; // without the dot, appended when the user types none
};

// Layout variants of the text prompt (TFormGetText).
enum class TextPromptLayout { General = 0, Name = 1, Short = 2 };

// The one seam through which every modal interaction runs: message boxes, questions, text
// prompts, file dialogs, the print dialog, modal forms, pop-up menus and the platform's
// "open this address" service. The Qt implementation is the default; tests install a
// scripted one (ScriptedDialogs) so every command, with its refusals and confirmations,
// runs headless.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A notice or refusal: information box with an OK button, with a beep.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A confirmation: warning box with Yes and No, with a beep. True for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // A one-line text prompt; the empty text when cancelled.
    virtual QString getText(QWidget* parent, const TLanguage& language, const QString& caption,
                            TextPromptLayout layout, const QString& suggestion) = 0;
    // File dialogs: the chosen file's full path, or the empty text when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    // The system print dialog for `printer`; true when the user chose to print.
    virtual bool print(QWidget* parent, QPrinter* printer) = 0;
    // Shows a modal form and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog* dialog) = 0;
    // Pops `menu` up at a global position; the chosen action (already triggered) or null.
    virtual QAction* popup(QMenu* menu, const QPoint& globalPos) = 0;
    // Opens a web address or a local document with the system's handler.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The implementation in use. Without an installed one it is the Qt implementation.
Dialogs& dialogs();
// Installs `implementation` (not owned); null restores the Qt implementation.
void installDialogs(Dialogs* implementation);

// The real dialogs of the window system.
class QtDialogs : public Dialogs {
public:
    void information(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    QString getText(QWidget* parent, const TLanguage& language, const QString& caption,
                    TextPromptLayout layout, const QString& suggestion) override;
    QString openFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    bool print(QWidget* parent, QPrinter* printer) override;
    int exec(QDialog* dialog) override;
    QAction* popup(QMenu* menu, const QPoint& globalPos) override;
    bool openUrl(const QUrl& url) override;
};

// Runs the text prompt form through whatever implementation `dialogs` is; the shared part
// of every getText implementation that shows the real form.
QString runTextPrompt(Dialogs& dialogs, QWidget* parent, const TLanguage& language,
                      const QString& caption, TextPromptLayout layout, const QString& suggestion);

// Asks for a JPEG picture with the open dialog and loads it into `picture`. A file that does
// not load is reported with an information box. The chosen file's path, or the empty text
// when cancelled or unreadable.
QString openJpegPicture(QWidget* parent, JpegPicture* picture);

} // namespace korvex
