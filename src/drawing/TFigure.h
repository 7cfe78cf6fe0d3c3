#pragma once

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "drawing/DrawingStream.h"
#include "drawing/FigurePictures.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace korvex {

struct DrawingSettings;

// One figure of a drawing: a small picture (player, coach, net, cone, puck, ...) or a free
// text, centred on a canvas point. Players carry a number drawn over their picture.
class TFigure {
public:
    // A forward (kind 0, variant 0) at (0, 0). Loading its picture may fail when the
    // installation lacks it: check ok() / errorString(). `settings` is not owned.
    explicit TFigure(const DrawingSettings* settings);

    bool ok() const { return m_fault == Fault::None; }
    // Why the last kind change failed (rebuilt on demand: a figure keeps no text of its own).
    QString errorString() const;

    quint8 kind() const { return m_kind; }
    // Stores the kind and loads its picture (text and big net keep the previous picture).
    // A missing picture or an unknown code leaves the figure unchanged and returns false with
    // an error naming the file.
    bool setKind(quint8 kind);
    int variant() const { return m_variant; }
    // Orientation of nets and obstacles, 0..7; 8 or more stores 0. Reloads the picture.
    bool setVariant(int variant);
    // forward <-> start forward, defender <-> start defender, free <-> start free.
    bool toggleStartKind();

    QPoint position() const { return m_position; }
    void setPosition(QPoint position) { m_position = position; }
    void moveBy(int dx, int dy) { m_position += QPoint(dx, dy); }

    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    // Whether the text is shown for this kind (numbered players and free texts).
    bool showsText() const;

    const QImage& picture() const { return *m_picture; }
    // The path of the picture file of the current kind and variant ("" when it has none).
    QString picturePath() const;
    // The text's size measured in the picture canvas's default font (not the drawing font);
    // it places the text and gives the hit box of free texts.
    QSize textSize() const;

    // True when `point` lies in the figure's box centred on its position: the text box for
    // free texts, the picture otherwise.
    bool hitTest(QPoint point) const;

    // Draws the picture centred on the position (not for free texts) and the text, if the
    // kind shows one, in `textColour`.
    void draw(QPainter& painter, const QColor& textColour = Qt::black) const;
    void draw(QImage& image, const QColor& textColour = Qt::black) const;

    void writeTo(BinaryWriter& out) const;
    // Reads one figure record; an unknown version reads nothing. A missing picture fails the
    // reader with the picture's error.
    bool readFrom(qint32 version, BinaryReader& in);

private:
    // A drawing may hold hundreds of thousands of figures, so a figure stays small: its
    // picture is the one the picture cache holds, and a failure is kept as a code.
    enum class Fault : quint8 { None, UnknownKind, MissingPicture };
    QString picturePathOf(quint8 kind) const;

    const DrawingSettings* m_settings;
    const QImage* m_picture;
    QString m_text;
    QPoint m_position;
    // The position as the file held it (see writeKeptPoint).
    QPointF m_fileFraction = kNoFraction;
    quint8 m_kind = FigureForward;
    quint8 m_variant = 0;
    quint8 m_failedKind = 0;
    Fault m_fault = Fault::None;
};

} // namespace korvex
