#include "storage/TTrainingPlan.h"

#include "core/BinaryReader.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/StreamRecords.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/ItemFiles.h"
#include "storage/ItemNames.h"
#include "storage/LevelListing.h"
#include "storage/TrainingPlanFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace korvex {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// One shared picture: every item without a picture of its own holds a copy of it, so a
// plan of many such items costs no pixels per item.
QImage greyThumbnail() {
    static const QImage grey = [] {
        QImage image(TTrainingPlan::kThumbnailWidth, TTrainingPlan::kThumbnailHeight,
                     QImage::Format_RGB32);
        image.fill(QColor(0x50, 0x50, 0x50));
        return image;
    }();
    return grey;
}

// `picture` scaled into the thumbnail box with its aspect ratio kept, centred on grey.
QImage thumbnailOf(const QImage& picture) {
    QImage box = greyThumbnail();
    if (picture.isNull())
        return box;
    const double scale =
        std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    const int w = qRound(picture.width() * scale);
    const int h = qRound(picture.height() * scale);
    QPainter painter(&box);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect((box.width() - w) / 2, (box.height() - h) / 2, w, h), picture);
    return box;
}

// The first picture of a text practise whose reader stands after the description lines
// (empty when it has none or the file ends early).
QByteArray firstTextPicture(BinaryReader& in, const QString& path) {
    if (!in.ok() || !path.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive))
        return {};
    if (in.readInt32() < 1)
        return {};
    const QByteArray bytes = in.readBytes(in.readInt64());
    return in.ok() ? bytes : QByteArray();
}

// Builds the plan's own items straight from the file, so that a plan of many items never
// holds them twice. An ordinary plan keeps one item per path: items past its paths are
// not kept at all.
class PlanItems : public PlanItemSink {
public:
    PlanItems(QList<TPractisesData>* items, bool archive) : m_items(items), m_archive(archive) {}

    void begin(const TrainingPlanData& read, qint32 count) override {
        m_limit = m_archive ? count : std::min<qsizetype>(count, read.paths.size());
        m_items->reserve(m_limit);
    }
    void take(PlanFileItem&& stored, PlanArchiveItem&& extra) override {
        if (m_items->size() >= m_limit)
            return;
        TPractisesData item;
        item.time = std::move(stored.time);
        item.name = std::move(stored.name);
        item.description = std::move(extra.description);
        // A picture that does not decode is left out, as it was never shown; a sound one
        // is kept as its bytes, and its thumbnail is made when the item is shown.
        if (m_archive && !extra.picture.isEmpty())
            item.picture.setBytes(extra.picture);
        m_items->append(std::move(item));
    }

private:
    QList<TPractisesData>* m_items;
    bool m_archive;
    qsizetype m_limit = 0;
};

} // namespace

TTrainingPlan::TTrainingPlan(const QString& root, const QString& planFolder, bool archive,
                             TLanguage* language, TSettings* settings)
    : TPractiseObject(root, planFolder, archive ? QStringLiteral(".pamp") : QStringLiteral(".pmp"),
                      archive ? QStringLiteral(".pabp") : QStringLiteral(".pbp"), language,
                      settings),
      m_archive(archive) {}

bool TTrainingPlan::fail(const QString& message) {
    m_error = message;
    return false;
}

void TTrainingPlan::Clear() {
    paths.clear();
    description.clear();
    evaluation.clear();
    date.clear();
    time.clear();
    items.clear();
    textBlocks.clear();
    heading.clear();
    m_team.clear();
    m_trainingNumber.clear();
    m_blockEdited.fill(false);
    m_missing.clear();
    m_versionRefused = false;
    m_thumbnails.clear();
}

qint32 TTrainingPlan::writeVersion() const {
    return settings() ? settings()->Version() : formatVersion();
}

QString TTrainingPlan::Team() const {
    return m_archive ? subcategory() : m_team;
}

QString TTrainingPlan::TrainingNumber() const {
    return m_archive ? name() : m_trainingNumber;
}

TrainingPlanData TTrainingPlan::commonData() const {
    TrainingPlanData data;
    data.version = writeVersion();
    data.paths = paths;
    data.description = description;
    data.evaluation = evaluation;
    data.date = date;
    data.time = time;
    data.textBlocks = textBlocks;
    data.heading = heading;
    return data;
}

bool TTrainingPlan::Save(const QString& path) {
    const QString file = path + extension();
    if (m_versionRefused)
        return fail(QStringLiteral("%1: the file has format version %2, which this program does "
                                   "not read; it is not overwritten")
                        .arg(native(file))
                        .arg(formatVersion()));
    TrainingPlanData data = commonData();
    data.team = m_team;
    data.trainingNumber = m_trainingNumber;
    for (const TPractisesData& item : items) {
        data.items.append(PlanFileItem{item.time, item.name});
        data.archived.append(
            PlanArchiveItem{item.description, m_archive ? item.picture.bytes() : QByteArray()});
    }
    QString error;
    if (!writePlanFile(file, m_archive, data, &error))
        return fail(error);
    setFormatVersion(data.version);
    m_blockEdited.fill(false);
    return true;
}

void TTrainingPlan::fromData(TrainingPlanData&& data) {
    paths = std::move(data.paths);
    description = std::move(data.description);
    evaluation = std::move(data.evaluation);
    date = std::move(data.date);
    time = std::move(data.time);
    textBlocks = std::move(data.textBlocks);
    heading = std::move(data.heading);
    m_team = std::move(data.team);
    m_trainingNumber = std::move(data.trainingNumber);
}

bool TTrainingPlan::Load(const QString& path) {
    Clear();
    TrainingPlanData data;
    QString error;
    PlanItems sink(&items, m_archive);
    if (!readPlanFile(path + extension(), m_archive, &data, &error, &sink)) {
        Clear();
        return fail(error);
    }
    setFormatVersion(data.version);
    if (!data.versionAccepted) {
        m_versionRefused = true;
        return true;
    }
    fromData(std::move(data));
    if (m_archive)
        return true;
    // A plan holds one item per path (items past its paths were not kept); a damaged file
    // with fewer items gets them back.
    while (items.size() < paths.size())
        items.append(practiseItem(paths[items.size()]));
    for (int i = paths.size() - 1; i >= 0; --i) {
        if (!practiseExists(paths[i])) {
            m_missing.prepend(paths[i]);
            paths.removeAt(i);
            items.removeAt(i);
        }
    }
    if (!m_missing.isEmpty())
        setModified(true);
    for (int i = 0; i < paths.size(); ++i)
        resolvePractise(paths[i], &items[i]);
    return true;
}

QImage TTrainingPlan::thumbnail(int index) const {
    if (index < 0 || index >= items.size())
        return greyThumbnail();
    const TPractisesData& item = items.at(index);
    if (!item.thumbnail.isNull() || item.picture.isNull())
        return item.thumbnail.isNull() ? greyThumbnail() : item.thumbnail;
    if (const QImage* made = m_thumbnails.object(item.picture.bytes()))
        return *made;
    const QImage made = thumbnailOf(item.picture.image());
    m_thumbnails.insert(item.picture.bytes(), new QImage(made));
    return made;
}

QStringList TTrainingPlan::missingPractiseMessages() const {
    QStringList messages;
    for (const QString& path : m_missing) {
        const QString miss =
            language() ? language()->Text(QStringLiteral("PractiseMiss")) : QString();
        const QString what =
            language() ? language()->Text(QStringLiteral("shtPractise")) : QString();
        messages.append(miss + QLatin1Char(' ') + path + QLatin1Char(' ') + what);
    }
    return messages;
}

bool TTrainingPlan::practiseExists(const QString& storedPath) const {
    if (!isSafeRelativePath(storedPath))
        return false;
    const QString path = joinPath(root(), storedToPath(storedPath));
    const QString title = extractFileTitle(path);
    const QStringList matches =
        QDir(extractFolder(path)).entryList({title + QStringLiteral(".*")}, QDir::Files);
    return !title.isEmpty() && !matches.isEmpty();
}

TPractisesData TTrainingPlan::practiseItem(const QString& storedPath) const {
    TPractisesData item;
    item.name = extractFileTitle(storedToPath(storedPath));
    return item;
}

void TTrainingPlan::resolvePractise(const QString& storedPath, TPractisesData* item) const {
    item->thumbnail = greyThumbnail();
    const QString path = joinPath(root(), storedToPath(storedPath));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    BinaryReader in(&file, native(path));
    if (!isAcceptedVersion(in.readInt32()))
        return;
    const QStringList lines = readStreamStrings(in);
    if (!in.ok())
        return;
    item->description = lines;
    const QString small = pathWithoutExtension(path) + QStringLiteral("Small.jpg");
    if (QFileInfo::exists(small)) {
        JpegPicture thumbnail;
        if (thumbnail.loadFile(small))
            item->thumbnail = thumbnail.image();
        return;
    }
    // A text practise has no thumbnail file: its first picture stands in.
    QImage picture;
    if (decodeJpeg(firstTextPicture(in, path), &picture, nullptr))
        item->thumbnail = thumbnailOf(picture);
}

QByteArray TTrainingPlan::practisePicture(const QString& storedPath) const {
    const QString path = joinPath(root(), storedToPath(storedPath));
    JpegPicture picture;
    if (picture.loadFile(pathWithoutExtension(path) + QStringLiteral(".jpg")))
        return picture.bytes();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    BinaryReader in(&file, native(path));
    if (!isAcceptedVersion(in.readInt32()))
        return {};
    readStreamStrings(in);
    return firstTextPicture(in, path);
}

bool TTrainingPlan::SaveArchiveCopy(const QString& stem) {
    TrainingPlanData data = commonData();
    for (int i = 0; i < items.size(); ++i) {
        const TPractisesData& item = items.at(i);
        QByteArray picture = item.picture.bytes();
        if (picture.isEmpty() && i < paths.size())
            picture = practisePicture(paths.at(i));
        data.items.append(PlanFileItem{item.time, item.name});
        data.archived.append(PlanArchiveItem{item.description, picture});
    }
    QString error;
    if (!writePlanFile(stem + QStringLiteral(".pamp"), true, data, &error))
        return fail(error);
    return true;
}

bool TTrainingPlan::AddPractise(const QString& storedPath) {
    paths.append(storedPath);
    TPractisesData item = practiseItem(storedPath);
    resolvePractise(storedPath, &item);
    items.append(item);
    setModified(true);
    return SaveCurrent();
}

bool TTrainingPlan::RemovePractise(int index) {
    if (index < 0 || index >= paths.size())
        return false;
    paths.removeAt(index);
    if (index < items.size())
        items.removeAt(index);
    setModified(true);
    return SaveCurrent();
}

bool TTrainingPlan::SwapPractises(int i, int j) {
    if (i < 0 || j < 0 || i >= paths.size() || j >= paths.size() || items.size() != paths.size())
        return false;
    paths.swapItemsAt(i, j);
    items.swapItemsAt(i, j);
    setModified(true);
    return true;
}

bool TTrainingPlan::SwapTextBlocks(int i, int j) {
    if (i < 0 || j < 0 || i >= textBlocks.count() || j >= textBlocks.count())
        return false;
    std::swap(textBlocks.at(i), textBlocks.at(j));
    setModified(true);
    return true;
}

bool TTrainingPlan::blockEdited(int blockKind) const {
    for (size_t i = 0; i < kBlockKinds.size(); ++i) {
        if (kBlockKinds[i] == blockKind)
            return m_blockEdited[i];
    }
    return false;
}

void TTrainingPlan::setBlockEdited(int blockKind, bool edited) {
    for (size_t i = 0; i < kBlockKinds.size(); ++i) {
        if (kBlockKinds[i] == blockKind)
            m_blockEdited[i] = edited;
    }
}

bool TTrainingPlan::Delete(const QString& path) {
    return deleteItemFiles(m_archive ? ItemKind::ArchivedPlan : ItemKind::TrainingPlan, path);
}

bool TTrainingPlan::Rename(const QString& path) {
    return hasCurrentItem() &&
           renameItemFiles(m_archive ? ItemKind::ArchivedPlan : ItemKind::TrainingPlan,
                           currentPath(), path);
}

bool TTrainingPlan::Copy(const QString& path) {
    return hasCurrentItem() &&
           copyItemFiles(m_archive ? ItemKind::ArchivedPlan : ItemKind::TrainingPlan, currentPath(),
                         path);
}

QStringList TTrainingPlan::ListItems() {
    return listItemLevel(subcategoryPath(), extension());
}

} // namespace korvex
