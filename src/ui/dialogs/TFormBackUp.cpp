#include "ui/dialogs/TFormBackUp.h"

#include "core/TLanguage.h"
#include "storage/ItemNames.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace korvex {

TFormBackUp::TFormBackUp(const TLanguage& language, const QString& suggestedName,
                         const QString& pathText, const QStringList& existingNames, QWidget* parent)
    : QDialog(parent), m_language(language), m_existing(existingNames), m_suggested(suggestedName) {
    setObjectName(QStringLiteral("FormBackUp"));
    m_path = new QLabel(pathText, this);
    m_path->setObjectName(QStringLiteral("lblPath"));
    m_loadedLabel = new QLabel(this);
    m_loadedLabel->setObjectName(QStringLiteral("lblLoadedPractise"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edtLoadedPractise"));
    m_listLabel = new QLabel(this);
    m_listLabel->setObjectName(QStringLiteral("lblCurrentPractiseList"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbxCurrentPractiseList"));
    m_list->addItems(existingNames);
    m_explanation = new QPlainTextEdit(this);
    m_explanation->setObjectName(QStringLiteral("memBackUpText"));
    m_explanation->setReadOnly(true);
    m_explanation->setMaximumHeight(60);

    auto* buttons = new QHBoxLayout;
    for (const auto& [name, tag] :
         {std::pair{"btnAdd", 1}, std::pair{"btnReplace", 2}, std::pair{"btnSkip", 3},
          std::pair{"btnReplaceAll", 5}, std::pair{"btnSkipAll", 6}})
        buttons->addWidget(addButton(name, tag));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_path, 0, 0, 1, 2);
    grid->addWidget(m_loadedLabel, 1, 0);
    grid->addWidget(m_edit, 2, 0);
    grid->addWidget(m_listLabel, 1, 1);
    grid->addWidget(m_list, 2, 1, 2, 1);
    grid->addWidget(m_explanation, 3, 0);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(m_edit, &QLineEdit::textChanged, this, &TFormBackUp::onNameEdited);
    m_edit->setText(suggestedName);
    onNameEdited();
    resize(520, 300);
}

QPushButton* TFormBackUp::addButton(const char* objectName, int tag) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setProperty("Tag", tag);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &TFormBackUp::onButton);
    m_buttons.append(button);
    return button;
}

QString TFormBackUp::addRefusalKey(const QString& name, const QStringList& existing) {
    if (!isSafeItemName(name))
        return LK("BackUpNameInvalid");
    if (existing.contains(name))
        return LK("PracAlreadyExist");
    return {};
}

QString TFormBackUp::explanationKey(const QString& name, const QStringList& existing) {
    return existing.contains(name) ? LK("memBackUpTextReplace") : LK("memBackUpTextAdd");
}

void TFormBackUp::showEvent(QShowEvent* event) {
    setWindowTitle(m_language.Text(LK("FormBackUp")));
    for (const char* key : {"btnReplaceAll", "btnSkipAll", "btnSkip", "btnAdd", "btnReplace"})
        findChild<QPushButton*>(QLatin1String(key))->setText(m_language.Text(QLatin1String(key)));
    // Listed for the language-file check: LK("btnReplaceAll") LK("btnSkipAll") LK("btnSkip")
    // LK("btnAdd") LK("btnReplace")
    m_loadedLabel->setText(m_language.Text(LK("lblLoadedPractise")));
    m_listLabel->setText(m_language.Text(LK("lblCurrentPractiseList")));
    onNameEdited();
    QDialog::showEvent(event);
}

void TFormBackUp::onNameEdited() {
    m_explanation->setPlainText(m_language.Text(explanationKey(m_edit->text(), m_existing)));
}

void TFormBackUp::onButton() {
    const auto code = static_cast<BackupDecision>(sender()->property("Tag").toInt());
    const QString edited = m_edit->text();
    switch (code) {
    case BackupDecision::Add: {
        const QString refusal = addRefusalKey(edited, m_existing);
        if (!refusal.isEmpty()) {
            dialogs().information(this, m_language.Text(refusal));
            return; // the form stays open
        }
        m_name = edited;
        break;
    }
    case BackupDecision::Replace:
        if (!isSafeItemName(edited)) {
            dialogs().information(this, m_language.Text(LK("BackUpNameInvalid")));
            return;
        }
        m_name = edited;
        break;
    case BackupDecision::Skip:
        m_name.clear();
        break;
    default:
        m_name = m_suggested;
        break;
    }
    m_code = code;
    accept();
}

void TFormBackUp::reject() {
    // The close box (or Escape) stops the restore of this file.
    if (m_code == BackupDecision::None)
        m_code = BackupDecision::Close;
    QDialog::reject();
}

BackupDecision FormBackupDecider::decide(const QString& pathText, const QString& suggestedName,
                                         const QStringList& existingNames, QString* finalName) {
    TFormBackUp form(m_language, suggestedName, pathText, existingNames, m_parent);
    dialogs().exec(&form);
    *finalName = form.name();
    return form.code() == BackupDecision::None ? BackupDecision::Close : form.code();
}

} // namespace korvex
