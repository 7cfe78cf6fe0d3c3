#include "storage/TTextPractise.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TSettings.h"
#include "storage/ItemFiles.h"
#include "storage/LevelListing.h"
#include "storage/TextPractiseFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace korvex {

namespace {

constexpr auto kExtension = ".tmp";

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

TTextPractise::TTextPractise(const QString& root, const QString& kindFolder,
                             const QString& scratchFolder, TLanguage* language, TSettings* settings)
    : TPractiseObject(root, kindFolder, QLatin1String(kExtension), QStringLiteral(".tbp"), language,
                      settings),
      m_scratch(scratchFolder) {}

TTextPractise::~TTextPractise() {
    deleteJpegFiles(m_scratch);
}

bool TTextPractise::fail(const QString& message) {
    m_error = message;
    return false;
}

void TTextPractise::Clear() {
    text.clear();
    keywords.clear();
    lastPicture = -1;
    m_versionRefused = false;
    deleteJpegFiles(m_scratch);
}

qint32 TTextPractise::writeVersion() const {
    return settings() ? settings()->Version() : formatVersion();
}

QStringList TTextPractise::scratchPictures() const {
    QStringList titles = ListFolder(m_scratch, QStringLiteral("*.jpg"), ListKind::Files);
    // Ten or more pictures must keep their order: "10" sorts after "9", not after "1".
    std::stable_sort(titles.begin(), titles.end(), [](const QString& a, const QString& b) {
        bool aNumber = false;
        bool bNumber = false;
        const qlonglong x = a.toLongLong(&aNumber);
        const qlonglong y = b.toLongLong(&bNumber);
        if (aNumber && bNumber)
            return x < y;
        return aNumber && !bNumber;
    });
    QStringList paths;
    for (const QString& title : titles)
        paths.append(joinPath(m_scratch, title + QStringLiteral(".jpg")));
    return paths;
}

bool TTextPractise::RenumberPictures() {
    const QStringList pictures = scratchPictures();
    // Through temporary names, so that no picture is renamed onto another.
    QStringList temporary;
    bool ok = true;
    for (int i = 0; i < pictures.size(); ++i) {
        const QString name = joinPath(m_scratch, QStringLiteral("renumber-%1.tmpjpg").arg(i));
        ok = QFile::rename(pictures[i], name) && ok;
        temporary.append(name);
    }
    for (int i = 0; i < temporary.size(); ++i)
        ok =
            QFile::rename(temporary[i], joinPath(m_scratch, QStringLiteral("%1.jpg").arg(i))) && ok;
    return ok;
}

bool TTextPractise::Save(const QString& path) {
    const QString file = path + QLatin1String(kExtension);
    if (m_versionRefused)
        return fail(QStringLiteral("%1: the file has format version %2, which this program does "
                                   "not read; it is not overwritten")
                        .arg(native(file))
                        .arg(formatVersion()));
    TextPractiseData data;
    data.version = writeVersion();
    data.text = text;
    data.keywords = keywords;
    for (const QString& picture : scratchPictures()) {
        QFile in(picture);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("%1: cannot be read").arg(native(picture)));
        data.pictures.append(in.readAll());
    }
    QString error;
    if (!writeTextPractiseFile(file, data, &error))
        return fail(error);
    setFormatVersion(data.version);
    return true;
}

bool TTextPractise::Load(const QString& path) {
    Clear();
    TextPractiseData data;
    QString error;
    if (!readTextPractiseFile(path + QLatin1String(kExtension), &data, &error))
        return fail(error);
    setFormatVersion(data.version);
    if (!data.versionAccepted) {
        m_versionRefused = true;
        return true;
    }
    QDir().mkpath(m_scratch);
    for (int i = 0; i < data.pictures.size(); ++i) {
        const QString picture = joinPath(m_scratch, QStringLiteral("%1.jpg").arg(i));
        if (!saveBytes(picture, data.pictures[i], &error)) {
            Clear();
            return fail(error);
        }
    }
    text = data.text;
    keywords = data.keywords;
    return true;
}

bool TTextPractise::Delete(const QString& path) {
    return deleteItemFiles(ItemKind::TextPractise, path);
}

bool TTextPractise::Rename(const QString& path) {
    return hasCurrentItem() && renameItemFiles(ItemKind::TextPractise, currentPath(), path);
}

bool TTextPractise::Copy(const QString& path) {
    return hasCurrentItem() && copyItemFiles(ItemKind::TextPractise, currentPath(), path);
}

QStringList TTextPractise::ListItems() {
    return listItemLevel(subcategoryPath(), QLatin1String(kExtension));
}

} // namespace korvex
