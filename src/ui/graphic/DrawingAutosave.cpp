#include "ui/graphic/DrawingAutosave.h"

#include "ui/Dialogs.h"

#include <QWidget>

#include <QApplication>

namespace korvex {

DrawingAutosave::DrawingAutosave(QWidget* owner, std::function<bool()> save,
                                 std::function<QString()> error)
    : QObject(owner), m_owner(owner), m_save(std::move(save)), m_error(std::move(error)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &DrawingAutosave::saveNow);
}

void DrawingAutosave::start() {
    m_timer.start();
}

void DrawingAutosave::stop() {
    m_timer.stop();
}

void DrawingAutosave::saveNow() {
    if (QApplication::mouseButtons() != Qt::NoButton) {
        m_timer.start();
        return;
    }
    if (m_save()) {
        m_lastError.clear();
        return;
    }
    const QString error = m_error();
    if (error != m_lastError) {
        m_lastError = error;
        dialogs().information(m_owner, error);
    }
}

} // namespace korvex
