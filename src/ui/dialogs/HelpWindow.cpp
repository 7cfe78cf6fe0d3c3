#include "ui/dialogs/HelpWindow.h"

#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"

#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace korvex {

HelpWindow::HelpWindow(const TLanguage& language, QWidget* parent)
    : QWidget(parent, Qt::Window), m_language(language) {
    setObjectName(QStringLiteral("FormHelp"));
    auto* layout = new QVBoxLayout(this);
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("lblHelpNoBrowser"));
    m_notice->setWordWrap(true);
    layout->addWidget(m_notice);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("brwHelp"));
    // Links out of the page still go to the system; the page's own links stay here.
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);
    resize(760, 680);
}

void HelpWindow::showPage(const QString& file) {
    setWindowTitle(m_language.Text(LK("FormHelp")));
    m_notice->setText(m_language.Text(LK("HelpNoBrowser")));
    m_browser->setSource(QUrl::fromLocalFile(file));
    show();
    raise();
    activateWindow();
}

} // namespace korvex
