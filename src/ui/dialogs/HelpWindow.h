#pragma once

#include <QWidget>

class QLabel;
class QTextBrowser;

namespace korvex {

class TLanguage;

// The program's own help window, for a system where no web browser opens the help page:
// the page with its internal links, and a line that says why it shows here. It is a
// window of its own beside the main window (not modal), so the coach can read and work.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow(const TLanguage& language, QWidget* parent);

    // Shows the HTML page `file` (a full path) in the current language's captions and
    // brings the window to the front.
    void showPage(const QString& file);
    QTextBrowser* browser() const { return m_browser; }

private:
    const TLanguage& m_language;
    QLabel* m_notice = nullptr;
    QTextBrowser* m_browser = nullptr;
};

} // namespace korvex
