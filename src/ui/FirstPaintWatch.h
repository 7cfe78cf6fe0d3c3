#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace korvex {

// Calls `done` once, when `window` has been painted for the first time: just after the
// event that painted it (and flushed it to the screen) has been handled. Owned by the
// window. Used by `korvex --quit-after-paint`, which the start-up benchmark times.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> done)
        : QObject(window), m_done(std::move(done)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, m_done);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_done;
    bool m_seen = false;
};

} // namespace korvex
