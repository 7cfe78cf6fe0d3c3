#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QList>

namespace korvex {

class TLanguage;
class TSettings;

// The about box: a page drawn from language texts and the version text of the settings,
// and an OK button.
class TFormAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPageWidth = 354;
    static constexpr int kPageHeight = 257;

    // One centred line of the page. The line is placed so that `measured` is centred;
    // `drawn` may be longer (the version line adds the version after the label).
    struct Line {
        int top;
        bool heading;
        QString drawn;
        QString measured;
    };

    TFormAbout(const TLanguage& language, const TSettings& settings, QWidget* parent = nullptr);

    static QList<Line> pageLines(const TLanguage& language, const TSettings& settings);
    // Left edge that centres a text of `textWidth` on a page of `pageWidth`, rounded towards
    // zero; negative when the text is wider than the page (it is then cut at the left).
    static int centredLeft(int pageWidth, int textWidth) { return (pageWidth - textWidth) / 2; }
    static QImage drawPage(const QList<Line>& lines, const QColor& background);

private:
    const TLanguage& m_language;
    const TSettings& m_settings;
};

} // namespace korvex
