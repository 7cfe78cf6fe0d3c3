#pragma once

#include "core/TLanguage.h"
#include "core/TSettings.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace korvex::fuzz {

// One small installation in a temporary folder, made once per fuzzing process: the
// settings files, a figure picture for every figure, a rink, a language table and empty
// data folders. Readers that need an installation (practises, restores, settings) run
// against it; what a restore writes is removed again after every input.
class FuzzInstallation {
public:
    // The process-wide installation (made on first use, with the GUI application object
    // that fonts and pictures need).
    static FuzzInstallation& instance();

    QString root() const { return m_dir.path(); }
    QString path(const QString& relative) const;
    TSettings& settings() { return *m_settings; }
    TLanguage& language() { return m_language; }

    // Removes everything below the data folders and makes them again empty, so that each
    // input starts from the same installation.
    void resetDataFolders();
    // Writes `bytes` to a scratch file named `fileName` below the installation and returns
    // its path.
    QString writeScratch(const QString& fileName, const QByteArray& bytes);

private:
    FuzzInstallation();

    QTemporaryDir m_dir;
    std::unique_ptr<TSettings> m_settings;
    TLanguage m_language;
};

// The input as Qt bytes, without copying.
inline QByteArray inputBytes(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

} // namespace korvex::fuzz
