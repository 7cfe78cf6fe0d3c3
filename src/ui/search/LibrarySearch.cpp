#include "ui/search/LibrarySearch.h"

#include "core/TSettings.h"

#include <QThread>

namespace korvex {

LibrarySearch::LibrarySearch(const TSettings& settings, QObject* parent)
    : QObject(parent), m_index(LibraryIndex::rootsOf(settings)) {
    setLibraryListener(this);
}

LibrarySearch::~LibrarySearch() {
    if (libraryListener() == this)
        setLibraryListener(nullptr);
    if (m_thread != nullptr) {
        m_thread->wait();
        delete m_thread;
    }
}

void LibrarySearch::rebuild() {
    if (m_thread != nullptr) {
        m_rebuildAgain = true;
        return;
    }
    startThread();
}

void LibrarySearch::startThread() {
    m_touched.clear();
    const QList<LibraryRoot> roots = m_index.roots();
    m_thread = QThread::create([this, roots] { m_result = LibraryIndex::scan(roots); });
    connect(m_thread, &QThread::finished, this, &LibrarySearch::takeResult);
    m_thread->start(QThread::LowPriority);
}

void LibrarySearch::takeResult() {
    if (m_thread == nullptr)
        return;
    m_thread->wait(); // finished is sent just before the thread really ends
    delete m_thread;
    m_thread = nullptr;
    m_index.reset(std::move(m_result));
    m_result.clear();
    // The worker may have read a file before it was written or removed: read those again.
    for (const QString& file : std::as_const(m_touched))
        m_index.update(file);
    m_touched.clear();
    if (m_rebuildAgain) {
        m_rebuildAgain = false;
        startThread();
    }
    Q_EMIT changed();
}

void LibrarySearch::waitForBuild() {
    while (m_thread != nullptr)
        takeResult();
}

void LibrarySearch::itemWritten(const QString& dataFile) {
    if (m_thread != nullptr)
        m_touched.append(dataFile);
    m_index.update(dataFile);
    Q_EMIT changed();
}

void LibrarySearch::itemRemoved(const QString& dataFile) {
    if (m_thread != nullptr)
        m_touched.append(dataFile);
    m_index.remove(dataFile);
    Q_EMIT changed();
}

} // namespace korvex
