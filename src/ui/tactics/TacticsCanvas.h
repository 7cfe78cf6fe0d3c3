#pragma once

#include <QImage>
#include <QWidget>

namespace korvex {

// The rink canvas of the tactics view (imgGMGround): shows one picture of the animation at
// its natural size. It is a widget of its own so that an editor canvas can take its place.
class TacticsCanvas : public QWidget {
    Q_OBJECT

public:
    explicit TacticsCanvas(QWidget* parent);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace korvex
