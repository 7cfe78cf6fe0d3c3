#pragma once

#include "storage/search/LibraryIndex.h"
#include "storage/search/LibraryNotify.h"

#include <QObject>
#include <QStringList>

#include <vector>

class QThread;

namespace korvex {

class TSettings;

// The window's library search: the index, built on a worker thread so that the window
// never waits, and kept current by the item files' notifications (it is the one
// LibraryListener while it lives). Files written or removed while a build runs are read
// again once the build's result is in.
class LibrarySearch : public QObject, public LibraryListener {
    Q_OBJECT

public:
    explicit LibrarySearch(const TSettings& settings, QObject* parent = nullptr);
    ~LibrarySearch() override;

    // Starts reading the library afresh on a worker thread (a build already running is
    // left to finish and then started again). Queries meanwhile answer from the last index.
    void rebuild();
    bool isBuilding() const { return m_thread != nullptr; }
    // Blocks until the running build, if any, is in (tests, benchmarks).
    void waitForBuild();

    QList<LibraryHit> query(const QString& text, int limit, int* total) {
        return m_index.query(text, limit, total);
    }
    int count() const { return m_index.count(); }

    void itemWritten(const QString& dataFile) override;
    void itemRemoved(const QString& dataFile) override;

Q_SIGNALS:
    // The index changed: a build came in or an item was written or removed.
    void changed();

private:
    void startThread();
    void takeResult();

    LibraryIndex m_index;
    QThread* m_thread = nullptr;
    std::vector<LibraryEntry> m_result; // written by the worker, read after it finished
    QStringList m_touched;              // files written or removed while building
    bool m_rebuildAgain = false;
};

} // namespace korvex
