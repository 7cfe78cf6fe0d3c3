#include "ui/dialogs/TFormImportPractise.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "storage/ItemKinds.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/dialogs/EditPractisesRules.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korvex {

namespace {

// Fills `box` with the sub-folders of `folder` and selects `current` (else the first); an
// empty level shows its placeholder, marked as no real entry.
void fillLevel(QComboBox* box, const QString& folder, const QString& current,
               const QString& placeholder) {
    const QSignalBlocker block(box);
    box->clear();
    const QStringList names = ListFolder(folder, QStringLiteral("*"), ListKind::Folders);
    for (const QString& name : names)
        box->addItem(name, true);
    if (names.isEmpty())
        box->addItem(placeholder, false);
    box->setCurrentIndex(std::max<int>(0, int(names.indexOf(current))));
}

} // namespace

TFormImportPractise::TFormImportPractise(TLanguage& language, TPractiseObject& item,
                                         QWidget* parent, std::function<QString()> itemError)
    : QDialog(parent), m_language(language), m_item(item), m_itemError(std::move(itemError)),
      m_archive(item.extension().compare(dataExtension(ItemKind::ArchivedPlan),
                                         Qt::CaseInsensitive) == 0) {
    setObjectName(QStringLiteral("FormImportPractise"));
    createControls();
    applyCaptions();
    fillCategories();
}

void TFormImportPractise::createControls() {
    const auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    m_lblCategory = new QLabel(this);
    m_lblSubCategory = new QLabel(this);
    m_lblPractise = new QLabel(this);
    m_cmbCategory = new QComboBox(this);
    named(m_cmbCategory, "cmbIPCategory");
    m_cmbSubCategory = new QComboBox(this);
    named(m_cmbSubCategory, "cmbIPSubCategory");
    m_lbxPractise = new QListWidget(this);
    named(m_lbxPractise, "lbxIPPractise");
    m_lbxPractise->setSelectionMode(QAbstractItemView::NoSelection);
    // The labels take the archive's words in the training archive.
    named(m_lblCategory, m_archive ? "lblTUIPCategory" : "lblIPCategory");
    named(m_lblSubCategory, m_archive ? "lblTUIPSubCategory" : "lblIPSubCategory");
    named(m_lblPractise, m_archive ? "lblTUIPPractise" : "lblIPPractise");

    m_btnImport = new QPushButton(this);
    named(m_btnImport, "btnIPImport");
    m_btnOk = new QPushButton(this);
    named(m_btnOk, "btnIPOK");
    m_btnOk->setDefault(true);
    m_btnCancel = new QPushButton(this);
    named(m_btnCancel, "btnIPCancel");
    m_btnDone = new QPushButton(this);
    named(m_btnDone, "btnIPDone");
    m_btnDone->hide();
    connect(m_btnImport, &QPushButton::clicked, this, &TFormImportPractise::importFile);
    connect(m_btnOk, &QPushButton::clicked, this, &TFormImportPractise::onOk);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnDone, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmbCategory, &QComboBox::currentIndexChanged, this,
            &TFormImportPractise::fillSubcategories);
    connect(m_cmbSubCategory, &QComboBox::currentIndexChanged, this,
            &TFormImportPractise::fillPractises);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget :
         {static_cast<QWidget*>(m_lblCategory), static_cast<QWidget*>(m_cmbCategory),
          static_cast<QWidget*>(m_lblSubCategory), static_cast<QWidget*>(m_cmbSubCategory),
          static_cast<QWidget*>(m_lblPractise)})
        layout->addWidget(widget);
    layout->addWidget(m_lbxPractise, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnImport);
    buttons->addStretch(1);
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    buttons->addWidget(m_btnDone);
    layout->addLayout(buttons);
    resize(340, 420);
}

void TFormImportPractise::applyCaptions() {
    setWindowTitle(m_language.Text(LK("FormImportPractise")));
    m_lblCategory->setText(m_language.Text(m_lblCategory->objectName()));
    m_lblSubCategory->setText(m_language.Text(m_lblSubCategory->objectName()));
    m_lblPractise->setText(m_language.Text(m_lblPractise->objectName()));
    for (QPushButton* button : {m_btnImport, m_btnOk, m_btnCancel, m_btnDone})
        button->setText(m_language.Text(button->objectName()));
}

QString TFormImportPractise::chosen(QComboBox* box) const {
    return box->currentData().toBool() ? box->currentText() : QString();
}

QString TFormImportPractise::folderOf(int levels) const {
    QString folder = m_item.kindPath();
    if (levels >= 1)
        folder = joinPath(folder, chosen(m_cmbCategory));
    if (levels >= 2)
        folder = joinPath(folder, chosen(m_cmbSubCategory));
    return folder;
}

void TFormImportPractise::fillCategories() {
    fillLevel(m_cmbCategory, folderOf(0), m_item.category(),
              m_language.Text(LK("EmptyCategoryString")));
    fillSubcategories();
}

void TFormImportPractise::fillSubcategories() {
    const QString current =
        chosen(m_cmbCategory) == m_item.category() ? m_item.subcategory() : QString();
    if (chosen(m_cmbCategory).isEmpty()) {
        const QSignalBlocker block(m_cmbSubCategory);
        m_cmbSubCategory->clear();
        m_cmbSubCategory->addItem(m_language.Text(LK("EmptySubCategoryString")), false);
    } else {
        fillLevel(m_cmbSubCategory, folderOf(1), current,
                  m_language.Text(LK("EmptySubCategoryString")));
    }
    fillPractises();
}

void TFormImportPractise::fillPractises() {
    m_lbxPractise->clear();
    const bool open = !chosen(m_cmbSubCategory).isEmpty();
    if (open)
        m_lbxPractise->addItems(
            ListFolder(folderOf(2), QLatin1Char('*') + m_item.extension(), ListKind::Files));
    m_btnImport->setEnabled(open);
    m_btnOk->setEnabled(open);
}

bool TFormImportPractise::importFile() {
    if (chosen(m_cmbSubCategory).isEmpty())
        return false;
    FileDialogOptions options;
    options.title = m_language.Text(LK("FormImportPractise"));
    options.filter = QLatin1Char('*') + m_item.extension() + QStringLiteral(" (*") +
                     m_item.extension() + QLatin1Char(')');
    const QString file = dialogs().openFileName(this, options);
    if (file.isEmpty())
        return false;
    const QString name = dialogs().getText(this, m_language, m_language.Text(LK("FormGetText")),
                                           TextPromptLayout::Name, extractFileTitle(file));
    if (name.isEmpty())
        return false;
    QStringList existing;
    for (int i = 0; i < m_lbxPractise->count(); ++i)
        existing.append(m_lbxPractise->item(i)->text());
    const QString refusal = newNameRefusal(TreeLevel::Practise, name, existing);
    if (!refusal.isEmpty()) {
        dialogs().information(this, m_language.Text(refusal));
        return false;
    }
    const QString levels[] = {m_item.category(), m_item.subcategory(), m_item.name()};
    m_item.setCategory(chosen(m_cmbCategory));
    m_item.setSubcategory(chosen(m_cmbSubCategory));
    m_item.setName(name);
    const bool imported = m_item.ImportInto(file);
    fillPractises();
    if (!imported) {
        const QString reason = m_itemError ? m_itemError() : QString();
        // The item goes back to the practise it held before.
        m_item.setCategory(levels[0]);
        m_item.setSubcategory(levels[1]);
        m_item.setName(levels[2]);
        m_item.LoadCurrent();
        dialogs().information(this,
                              m_language.Text(LK("ImportFailed")) + QLatin1Char(' ') +
                                  QDir::toNativeSeparators(file) +
                                  (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason));
        return false;
    }
    m_importedAny = true;
    m_btnCancel->hide();
    m_btnDone->show();
    return true;
}

void TFormImportPractise::onOk() {
    if (importFile())
        accept();
}

} // namespace korvex
