#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;

namespace korvex {

// Writes pictures of one size as an animated GIF that loops for ever. The palette of up to
// 256 colours is made once (libimagequant) from pictures that hold every colour of the
// animation, and every picture is mapped onto it without dithering, so the rink does not
// shimmer while figures move; giflib writes the file. After the first picture only the
// rectangle that changed is stored, so a play of a few moving players stays small.
class AnimatedGifWriter {
public:
    AnimatedGifWriter();
    ~AnimatedGifWriter();
    AnimatedGifWriter(const AnimatedGifWriter&) = delete;
    AnimatedGifWriter& operator=(const AnimatedGifWriter&) = delete;

    // Starts the file on `device` (not owned, open for writing) for pictures of `size`.
    // `palettePictures` (of that size) give the colours.
    bool begin(QIODevice* device, QSize size, const QList<QImage>& palettePictures);
    // Adds one picture of the animation, shown for `delayMs` (GIF counts hundredths of a
    // second; anything shorter than two is shown as two, as viewers slow shorter ones down).
    bool add(const QImage& picture, int delayMs);
    // Ends the file. Every step returns false with errorString() set on a failure.
    bool finish();
    QString errorString() const { return m_error; }

private:
    struct State;
    bool fail(const QString& message);
    bool failGif(const char* what, int code);

    std::unique_ptr<State> m_state;
    QSize m_size;
    QString m_error;
};

} // namespace korvex
