#include "ui/TModeView.h"

#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvex {

TModeView::TModeView(TLanguage& language, TSettings& settings, QWidget* parent)
    : QWidget(parent), m_language(language), m_settings(settings) {}

void TModeView::initialise() {
    // Until the view gets its editor it says so plainly instead of showing dead controls.
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblModeTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    layout->addWidget(m_title);
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("lblNotAvailable"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_notice->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_notice);
    layout->addStretch(3);
    applyCaptions();
}

void TModeView::applyCaptions() {
    if (m_title != nullptr)
        m_title->setText(m_language.Text(titleKey()));
    if (m_notice != nullptr)
        m_notice->setText(m_language.Text(LK("ModeNotAvailable")));
}

bool TModeView::supports(ViewCommand) const {
    return false;
}

bool TModeView::run(ViewCommand, int) {
    return false;
}

bool TModeView::setEditMode(bool) {
    return false;
}

} // namespace korvex
