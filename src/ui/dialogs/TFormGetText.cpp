#include "ui/dialogs/TFormGetText.h"

#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"

#include <QLineEdit>
#include <QPushButton>

namespace korvex {

namespace {

struct Layout {
    int formWidth;
    int editWidth;
    int okLeft;
    int cancelLeft;
    int buttonWidth;
};

// Form width, edit width, OK left, Cancel left, button width of each variant.
constexpr Layout kLayouts[] = {
    {309, 290, 141, 221, 75},
    {174, 155, 6, 86, 75},
    {129, 110, 6, 63, 53},
};

constexpr int kMargin = 8;
constexpr int kEditHeight = 24;
constexpr int kButtonTop = kMargin + kEditHeight + 10;
constexpr int kButtonHeight = 27;

} // namespace

TFormGetText::TFormGetText(const TLanguage& language, QWidget* parent)
    : QDialog(parent), m_language(language) {
    setObjectName(QStringLiteral("FormGetText"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edtText"));
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyLayout();
}

void TFormGetText::applyLayout() {
    const bool known = m_variant >= 0 && m_variant < int(std::size(kLayouts));
    const Layout& layout = kLayouts[known ? m_variant : 0];
    // The edit is centred in the form; the designed margins are those of variant 0.
    const int editLeft = (layout.formWidth - layout.editWidth) / 2;
    m_edit->setGeometry(editLeft, kMargin, layout.editWidth, kEditHeight);
    m_ok->setGeometry(layout.okLeft, kButtonTop, layout.buttonWidth, kButtonHeight);
    m_cancel->setGeometry(layout.cancelLeft, kButtonTop, layout.buttonWidth, kButtonHeight);
    setFixedSize(layout.formWidth, kButtonTop + kButtonHeight + kMargin);
}

void TFormGetText::showEvent(QShowEvent* event) {
    applyLayout();
    m_ok->setText(m_language.Text(LK("btnOK")));
    m_cancel->setText(m_language.Text(LK("btnCancel")));
    m_edit->setText(m_text);
    m_edit->selectAll();
    m_edit->setFocus();
    QDialog::showEvent(event);
}

void TFormGetText::accept() {
    m_text = m_edit->text();
    QDialog::accept();
}

void TFormGetText::reject() {
    m_text.clear();
    QDialog::reject();
}

} // namespace korvex
