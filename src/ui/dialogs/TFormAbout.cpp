#include "ui/dialogs/TFormAbout.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/LanguageKeys.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex {

namespace {

QFont pageFont(bool heading) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(heading ? 12 : 8);
    font.setBold(heading);
    return font;
}

} // namespace

TFormAbout::TFormAbout(const TLanguage& language, const TSettings& settings, QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(m_language.Text(LK("FormAbout")));

    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgAbout"));
    picture->setFixedSize(kPageWidth, kPageHeight);
    picture->setPixmap(QPixmap::fromImage(
        drawPage(pageLines(m_language, m_settings), palette().color(QPalette::Button))));
    layout->addWidget(picture);

    auto* ok = new QPushButton(m_language.Text(LK("btnAboutOK")), this);
    ok->setObjectName(QStringLiteral("btnAboutOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QList<TFormAbout::Line> TFormAbout::pageLines(const TLanguage& language,
                                              const TSettings& settings) {
    const QString version = language.Text(LK("AboutVerzion"));
    QList<Line> lines = {
        {45, true, language.Text(LK("AboutName")), QString()},
        {70, false, version + QLatin1Char(' ') + settings.VersionText() + QLatin1Char('.'),
         version},
        {85, false, language.Text(LK("AboutCopyright")), QString()},
        {110, false, language.Text(LK("AboutHomePage")), QString()},
        {135, false, language.Text(LK("AboutAuthor")), QString()},
        {150, false, language.Text(LK("AboutProgramers")), QString()},
        {175, false, language.Text(LK("AboutCopyrightText")), QString()},
        {190, false, language.Text(LK("AboutCopyrightVarning")), QString()},
    };
    for (Line& line : lines) {
        if (line.measured.isNull())
            line.measured = line.drawn;
    }
    return lines;
}

QImage TFormAbout::drawPage(const QList<Line>& lines, const QColor& background) {
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    page.fill(background);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    for (const Line& line : lines) {
        const QFont font = pageFont(line.heading);
        painter.setFont(font);
        const QFontMetrics metrics(font, &page);
        const int left = centredLeft(kPageWidth, metrics.horizontalAdvance(line.measured));
        painter.drawText(QPoint(left, line.top + metrics.ascent()), line.drawn);
    }
    return page;
}

} // namespace korvex
