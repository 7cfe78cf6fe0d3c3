#include "core/SaveGroup.h"

#include <QDir>

namespace korvex {

QIODevice* SaveGroup::add(const QString& path) {
    auto save = std::make_unique<SafeSave>(path);
    if (!save->open() && m_error.isEmpty())
        m_error = save->errorString();
    m_files.push_back(std::move(save));
    m_paths.append(path);
    return m_files.back()->device();
}

void SaveGroup::addBytes(const QString& path, const QByteArray& bytes) {
    QIODevice* device = add(path);
    if (device->isOpen() && device->write(bytes) != bytes.size())
        fail(path, device->errorString());
}

void SaveGroup::fail(const QString& path, const QString& message) {
    const qsizetype index = m_paths.indexOf(path);
    if (index >= 0)
        m_files[size_t(index)]->fail(message);
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), message);
}

bool SaveGroup::commit() {
    // Every file is checked and flushed before any is renamed: SafeSave::commit() does
    // both, so the group first finishes the writing of each file without renaming.
    if (m_error.isEmpty()) {
        for (const auto& file : m_files) {
            QString reason;
            if (!file->finishWriting(&reason)) {
                m_error = reason;
                break;
            }
        }
    }
    if (!m_error.isEmpty()) {
        for (const auto& file : m_files)
            file->cancel();
        return false;
    }
    // Renames on one file system do not fail for want of space; should one fail all the
    // same, the files after it are cancelled (the ones before it are already in place).
    for (const auto& file : m_files) {
        if (!m_error.isEmpty())
            file->cancel();
        else if (!file->commit())
            m_error = file->errorString();
    }
    return m_error.isEmpty();
}

} // namespace korvex
