#pragma once

#include "storage/KindBackup.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvex {

class TLanguage;

// Asks what to do with a backed-up item whose name exists already in its folder: add it
// under another name, replace the existing one, skip it, or replace or skip all the rest.
// Closing the window with its close box stops the restore of the file.
class TFormBackUp : public QDialog {
    Q_OBJECT
public:
    TFormBackUp(const TLanguage& language, const QString& suggestedName, const QString& pathText,
                const QStringList& existingNames, QWidget* parent = nullptr);

    // The decision (None until a button or the close box ends the form) and the final name.
    BackupDecision code() const { return m_code; }
    QString name() const { return m_name; }

    // What "Add" does with `name`: empty when it is accepted, else the language key of
    // the refusal.
    static QString addRefusalKey(const QString& name, const QStringList& existing);
    // The language key of the one-line explanation shown for the edited name.
    static QString explanationKey(const QString& name, const QStringList& existing);

protected:
    void showEvent(QShowEvent* event) override;

public Q_SLOTS:
    void reject() override;

private:
    void onButton();
    void onNameEdited();
    QPushButton* addButton(const char* objectName, int tag);

    const TLanguage& m_language;
    QStringList m_existing;
    QString m_suggested;
    BackupDecision m_code = BackupDecision::None;
    QString m_name;
    QLabel* m_path;
    QLabel* m_loadedLabel;
    QLineEdit* m_edit;
    QLabel* m_listLabel;
    QListWidget* m_list;
    QPlainTextEdit* m_explanation;
    QList<QPushButton*> m_buttons;
};

// Asks the user through TFormBackUp (shown by the dialog seam).
class FormBackupDecider : public BackupDecider {
public:
    FormBackupDecider(const TLanguage& language, QWidget* parent)
        : m_language(language), m_parent(parent) {}
    BackupDecision decide(const QString& pathText, const QString& suggestedName,
                          const QStringList& existingNames, QString* finalName) override;

private:
    const TLanguage& m_language;
    QWidget* m_parent;
};

} // namespace korvex
