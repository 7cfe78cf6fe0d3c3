#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

namespace korvex {

// A Dialogs implementation for tests: it installs itself while it lives, answers from
// queues the test fills, and records what was shown. An empty queue gives the "cancel"
// answer: No, empty text, no file, no printing, a rejected form, no menu choice.
class ScriptedDialogs : public Dialogs {
public:
    // Drives a modal form: it may set the form's controls and click its buttons; the form's
    // result afterwards is the answer. Without a handler the form is rejected.
    using FormHandler = std::function<void(QDialog* form)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers, used first in, first out.
    void answerConfirm(bool yes) { m_confirms.enqueue(yes); }
    // A queued text answers getText without showing the form; with none queued, getText
    // shows the real form through exec() (and its form handler).
    void answerText(const QString& text) { m_texts.enqueue(text); }
    void answerOpenFile(const QString& path) { m_openFiles.enqueue(path); }
    void answerSaveFile(const QString& path) { m_saveFiles.enqueue(path); }
    void answerPrint(bool print) { m_prints.enqueue({print, QString()}); }
    // Answers the print dialog with "print into this PDF file".
    void answerPrintToPdf(const QString& path) { m_prints.enqueue({true, path}); }
    void answerForm(FormHandler handler) { m_forms.enqueue(std::move(handler)); }
    // The objectName of the pop-up menu action to choose.
    void answerPopup(const QString& actionName) { m_popups.enqueue(actionName); }

    // What was shown, in order.
    QStringList informations;
    QStringList confirmations;
    QStringList textPrompts; // captions
    QList<FileDialogOptions> fileDialogs;
    QStringList forms; // class names of the modal forms shown
    QList<QUrl> openedUrls;
    // What openUrl answers: false plays a system where no browser opens anything.
    bool openUrlResult = true;
    int printDialogs = 0;
    int popups = 0;

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

private:
    QQueue<bool> m_confirms;
    QQueue<QString> m_texts;
    QQueue<QString> m_openFiles;
    QQueue<QString> m_saveFiles;
    struct PrintAnswer {
        bool print;
        QString pdfPath;
    };
    QQueue<PrintAnswer> m_prints;
    QQueue<FormHandler> m_forms;
    QQueue<QString> m_popups;
};

} // namespace korvex
