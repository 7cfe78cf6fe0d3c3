#include "drawing/TFigure.h"

#include "core/Paths.h"
#include "core/StreamRecords.h"
#include "drawing/DrawingSettings.h"
#include "drawing/DrawingStream.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace korvex {

namespace {

// The canvas fonts at 96 dots per inch: the default font a picture canvas measures with,
// 7 pt for player numbers, 8 pt for free texts ("Arial"; Liberation Sans stands in for it).
QFont canvasFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}
const QFont& measureFont() {
    static const QFont font = canvasFont(11);
    return font;
}
const QFont& numberFont() {
    static const QFont font = canvasFont(9);
    return font;
}
const QFont& freeTextFont() {
    static const QFont font = canvasFont(11);
    return font;
}

// The picture of a figure whose own picture could not be loaded yet: one transparent pixel.
const QImage* emptyPicture() {
    static const QImage picture = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        return image;
    }();
    return &picture;
}

} // namespace

TFigure::TFigure(const DrawingSettings* settings)
    : m_settings(settings), m_picture(emptyPicture()) {
    setVariant(0);
}

QString TFigure::picturePath() const {
    return picturePathOf(m_kind);
}

QString TFigure::picturePathOf(quint8 kind) const {
    const QString name = figurePictureFileName(kind, m_variant, m_settings->largeLayout);
    if (name.isEmpty())
        return {};
    return joinPath(m_settings->appFolder, m_settings->pictureFolder, name);
}

QString TFigure::errorString() const {
    switch (m_fault) {
    case Fault::None:
        return {};
    case Fault::UnknownKind:
        return QStringLiteral("Unknown figure kind %1.").arg(m_failedKind);
    case Fault::MissingPicture:
        break;
    }
    QString error;
    if (cachedFigurePicture(picturePathOf(m_failedKind), &error))
        return QStringLiteral("The figure picture %1 was missing.")
            .arg(picturePathOf(m_failedKind));
    return error;
}

bool TFigure::setKind(quint8 kind) {
    m_failedKind = kind;
    if (kind >= kFigureKindCount) {
        m_fault = Fault::UnknownKind;
        return false;
    }
    if (kind == FigureText || kind == FigureBigNet) {
        m_kind = kind;
        m_fault = Fault::None;
        return true;
    }
    const QImage* picture = cachedFigurePicture(picturePathOf(kind), nullptr);
    if (!picture) {
        m_fault = Fault::MissingPicture;
        return false;
    }
    m_kind = kind;
    m_picture = picture;
    m_fault = Fault::None;
    return true;
}

bool TFigure::setVariant(int variant) {
    m_variant = quint8(variant >= 0 && variant < kFigureVariantCount ? variant : 0);
    return setKind(m_kind);
}

bool TFigure::toggleStartKind() {
    switch (m_kind) {
    case FigureForward:
        return setKind(FigureStartForward);
    case FigureDefender:
        return setKind(FigureStartDefender);
    case FigureFree:
        return setKind(FigureStartFree);
    case FigureStartForward:
        return setKind(FigureForward);
    case FigureStartDefender:
        return setKind(FigureDefender);
    case FigureStartFree:
        return setKind(FigureFree);
    default:
        return true;
    }
}

bool TFigure::showsText() const {
    switch (m_kind) {
    case FigureForward:
    case FigureDefender:
    case FigureFree:
    case FigureText:
    case FigureStartForward:
    case FigureStartDefender:
    case FigureStartFree:
        return true;
    default:
        return false;
    }
}

QSize TFigure::textSize() const {
    const QFontMetrics metrics(measureFont());
    return QSize(metrics.horizontalAdvance(m_text), metrics.height());
}

bool TFigure::hitTest(QPoint point) const {
    const QSize box = m_kind == FigureText ? textSize() : picture().size();
    const int w = box.width();
    const int h = box.height();
    const int x = point.x() + w / 2;
    const int y = point.y() + h / 2;
    return m_position.x() <= x && x <= m_position.x() + w && m_position.y() <= y &&
           y <= m_position.y() + h;
}

void TFigure::draw(QPainter& painter, const QColor& textColour) const {
    const int x = m_position.x();
    const int y = m_position.y();
    if (m_kind != FigureText)
        painter.drawImage(x - picture().width() / 2, y - picture().height() / 2, picture());
    if (!showsText() || m_text.isEmpty())
        return;

    const QSize measured = textSize();
    const int tw = measured.width();
    const int th = measured.height();
    QPoint origin;
    const QFont* font = &numberFont();
    switch (m_kind) {
    case FigureForward:
    case FigureStartForward:
        origin = QPoint(x - tw / 2, y - th / 2 + 1);
        break;
    case FigureDefender:
    case FigureStartDefender:
        origin = QPoint(x - tw / 2 + 1, y - th / 2 + 3);
        break;
    case FigureFree:
    case FigureStartFree:
        origin = QPoint(x - tw / 2 - 1, y - th / 2 + 1);
        break;
    default: // free text
        origin = QPoint(x - tw / 2, y - th / 2);
        font = &freeTextFont();
        break;
    }
    painter.setFont(*font);
    painter.setPen(textColour);
    painter.drawText(origin + QPoint(0, QFontMetrics(*font).ascent()), m_text);
}

void TFigure::draw(QImage& image, const QColor& textColour) const {
    QPainter painter(&image);
    draw(painter, textColour);
}

void TFigure::writeTo(BinaryWriter& out) const {
    out.writeByte(m_kind);
    writeKeptPoint(out, *m_settings, m_position, m_fileFraction);
    out.writeByte(m_variant);
    writeStreamString(out, m_text);
}

bool TFigure::readFrom(qint32 version, BinaryReader& in) {
    const DrawingLayout layout = drawingLayoutOf(version);
    if (layout == DrawingLayout::Unknown)
        return true;
    const quint8 kind = in.readByte();
    QPointF fraction = kNoFraction;
    const QPoint position = layout == DrawingLayout::Old
                                ? readOldPoint(in, *m_settings)
                                : readCurrentPoint(in, *m_settings, &fraction);
    const quint8 variant = in.readByte();
    const QString text = readStreamString(in);
    if (!in.ok())
        return false;
    m_position = position;
    m_fileFraction = fraction;
    m_text = text;
    m_variant = variant < kFigureVariantCount ? variant : 0;
    if (!setKind(kind)) {
        in.fail(errorString());
        return false;
    }
    return true;
}

} // namespace korvex
