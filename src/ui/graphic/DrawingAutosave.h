#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace korvex {

// Saves an edited drawing about two seconds after its last edit, so a crash loses at most
// those seconds. Never in the middle of a gesture: a drag is one step, saved after it ends.
// A failed save is said once per kind of failure, not every two seconds; the edits stay in
// memory and the next edit tries again.
class DrawingAutosave : public QObject {
    Q_OBJECT

public:
    static constexpr int kDelayMs = 2000;

    // `save` saves the drawing if it is modified and returns false when that failed;
    // `error` then tells why. Messages are shown over `owner`.
    DrawingAutosave(QWidget* owner, std::function<bool()> save, std::function<QString()> error);

    // (Re)starts the wait after an edit.
    void start();
    void stop();

private:
    void saveNow();

    QWidget* m_owner;
    std::function<bool()> m_save;
    std::function<QString()> m_error;
    QTimer m_timer;
    QString m_lastError;
};

} // namespace korvex
