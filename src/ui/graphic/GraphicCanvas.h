#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace korvex {

// The rink canvas of the graphic editor (imgGMGround): shows the screen picture at its
// natural size and hands every mouse event to the editor's state machine.
class GraphicCanvas : public QWidget {
    Q_OBJECT

public:
    using MouseHandler = std::function<void(QMouseEvent*)>;

    GraphicCanvas(const QImage* screen, QWidget* parent);

    void setHandlers(MouseHandler down, MouseHandler move, MouseHandler up);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage* m_screen;
    MouseHandler m_down;
    MouseHandler m_move;
    MouseHandler m_up;
};

} // namespace korvex
