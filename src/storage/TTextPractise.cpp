#include "storage/TTextPractise.h"

#include "core/FileHelpers.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TSettings.h"
#include "storage/ItemFiles.h"
#include "storage/LevelListing.h"
#include "storage/TextPractiseFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <algorithm>

namespace korvex {

namespace {

constexpr auto kExtension = ".tmp";

// Renumbering moves every picture to a temporary name first; a crash in between leaves
// files of this extension, which the next clearing removes.
constexpr auto kRenumberExtension = ".renumber";

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The JPEG bytes of a picture file's content: a JPEG as it is, a PNG or BMP picture encoded
// on white. False for anything else, and for pictures larger than a JPEG may be.
bool pictureAsJpeg(const QByteArray& bytes, QByteArray* jpeg) {
    QImage image;
    QString error;
    if (decodeJpeg(bytes, &image, &error)) {
        *jpeg = bytes;
        return true;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "bmp")
        return false;
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kJpegMaxSide ||
        size.height() > kJpegMaxSide)
        return false;
    const QImage read = reader.read();
    if (read.isNull())
        return false;
    QImage flat(read.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, read);
    painter.end();
    *jpeg = encodeJpeg(flat);
    return !jpeg->isEmpty();
}

} // namespace

TTextPractise::TTextPractise(const QString& root, const QString& kindFolder,
                             const QString& scratchFolder, TLanguage* language, TSettings* settings)
    : TPractiseObject(root, kindFolder, QLatin1String(kExtension), QStringLiteral(".tbp"), language,
                      settings),
      m_scratch(scratchFolder) {}

TTextPractise::~TTextPractise() {
    clearScratch();
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
    m_error.clear();
    m_scratchCleared = clearScratch();
}

bool TTextPractise::clearScratch() {
    deleteJpegFiles(m_scratch);
    const QString renumberMask = QStringLiteral("*") + QLatin1String(kRenumberExtension);
    for (const QString& title : ListFolder(m_scratch, renumberMask, ListKind::Files))
        QFile::remove(joinPath(m_scratch, title + QLatin1String(kRenumberExtension)));
    return ListFolder(m_scratch, QStringLiteral("*.jpg"), ListKind::Files).isEmpty() &&
           ListFolder(m_scratch, renumberMask, ListKind::Files).isEmpty();
}

QString TTextPractise::pictureFile(int index) const {
    return joinPath(m_scratch, QStringLiteral("%1.jpg").arg(index));
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
        const QString name =
            joinPath(m_scratch, QString::number(i) + QLatin1String(kRenumberExtension));
        ok = QFile::rename(pictures[i], name) && ok;
        temporary.append(name);
    }
    for (int i = 0; i < temporary.size(); ++i)
        ok =
            QFile::rename(temporary[i], joinPath(m_scratch, QStringLiteral("%1.jpg").arg(i))) && ok;
    return ok;
}

TTextPractise::AddResult TTextPractise::AddPicture(const QString& source) {
    if (pictureCount() >= kMaxPictures) {
        fail(QStringLiteral("the practise has %1 pictures already").arg(pictureCount()));
        return AddResult::Full;
    }
    QFile in(source);
    QString error;
    if (!openForReading(&in, &error)) {
        fail(error);
        return AddResult::Failed;
    }
    QByteArray jpeg;
    if (!pictureAsJpeg(in.readAll(), &jpeg)) {
        fail(QStringLiteral("%1: not a JPEG, PNG or BMP picture").arg(native(source)));
        return AddResult::NotAPicture;
    }
    QDir().mkpath(m_scratch);
    if (!saveBytes(pictureFile(pictureCount()), jpeg, &error)) {
        fail(error);
        return AddResult::Failed;
    }
    ++lastPicture;
    setModified(true);
    return AddResult::Added;
}

bool TTextPractise::DeletePictures(const QList<int>& indices) {
    bool ok = true;
    const QSet<int> unique(indices.begin(), indices.end());
    for (int index : unique) {
        if (index >= 0 && index < pictureCount() && !QFile::remove(pictureFile(index))) {
            ok = false;
            fail(QStringLiteral("%1: cannot be deleted").arg(native(pictureFile(index))));
        }
    }
    if (!RenumberPictures() && ok) {
        ok = false;
        fail(QStringLiteral("%1: the pictures cannot be renumbered").arg(native(m_scratch)));
    }
    lastPicture = int(scratchPictures().size()) - 1;
    setModified(true);
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
    // Pictures that cannot be removed would be saved into this practise as its own.
    if (!m_scratchCleared)
        return fail(QStringLiteral("%1: the pictures of the previous practise cannot be removed")
                        .arg(native(m_scratch)));
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
    lastPicture = int(data.pictures.size()) - 1;
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
