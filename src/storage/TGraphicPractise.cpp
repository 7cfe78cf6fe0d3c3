#include "storage/TGraphicPractise.h"

#include "storage/ItemFiles.h"
#include "storage/LevelListing.h"
#include "storage/PractiseVersions.h"
#include "storage/Thumbnail.h"
#include "storage/search/LibraryNotify.h"

#include "core/BinaryReader.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/SaveGroup.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <cstring>

namespace korvex {

TGraphicPractise::TGraphicPractise(TSettings& settings, TLanguage& language)
    : TGraphicPractise(settings, language, ItemKind::GraphicPractise) {}

TGraphicPractise::TGraphicPractise(TSettings& settings, TLanguage& language, ItemKind kind)
    : TPractiseObject(
          settings.appDir(),
          kind == ItemKind::TacticsPractise ? settings.TCSaveDir() : settings.GMSaveDir(),
          korvex::dataExtension(kind), korvex::backupExtension(kind), &language, &settings),
      m_settings(settings), m_language(language), m_kind(kind) {
    syncDrawingSettings();
    m_lines = std::make_unique<TLines>(&m_drawing);
    m_ownFigures = std::make_unique<TFigures>(&m_drawing);
    m_figures = m_ownFigures.get();
}

TGraphicPractise::~TGraphicPractise() = default;

void TGraphicPractise::syncDrawingSettings() {
    // The rink size follows the form size; before the settings set one, the large layout.
    const bool small = m_settings.RinkWidth() == 450;
    m_drawing = small ? DrawingSettings::small(m_settings.appDir())
                      : DrawingSettings::large(m_settings.appDir());
    if (!isBlank(m_settings.PictureOpenDir()))
        m_drawing.pictureFolder = m_settings.PictureOpenDir();
}

int TGraphicPractise::pictureWidth() const {
    return m_drawing.canvasWidth;
}
int TGraphicPractise::pictureHeight() const {
    return m_drawing.canvasHeight;
}

QString TGraphicPractise::rinkFolder() const {
    return joinPath(m_settings.appDir(), m_settings.PlayCourtSaveDir());
}

void TGraphicPractise::setCurrentFigures(TFigures* figures) {
    m_figures = figures ? figures : m_ownFigures.get();
}

void TGraphicPractise::clearContent() {
    syncDrawingSettings();
    m_description.clear();
    m_keywords.clear();
    m_lines->clear();
    m_figures->clear();
    m_numbersA.clear();
    m_numbersB.clear();
    m_groundMode = GroundStandard;
}

void TGraphicPractise::Clear() {
    clearContent();
    m_loadWarning.clear();
}

QString TGraphicPractise::missingGroundText() const {
    return m_groundName + QLatin1Char(' ') +
           m_language.Text(QStringLiteral("PlayGroundIsNotAvailable"));
}

void TGraphicPractise::loadStandardGround() {
    // No ground chosen yet: the plain white background.
    m_standardGround = isBlank(m_groundName)
                           ? QImage()
                           : korvex::loadStandardGround(rinkFolder(), m_groundName, pictureWidth(),
                                                        pictureHeight(), missingGroundText());
    m_standardGroundName = m_groundName;
    m_standardGroundLoaded = true;
}

void TGraphicPractise::ensureStandardGround() {
    if (m_groundMode == GroundStandard &&
        (!m_standardGroundLoaded || m_standardGroundName != m_groundName ||
         (!m_standardGround.isNull() &&
          m_standardGround.size() != QSize(pictureWidth(), pictureHeight()))))
        loadStandardGround();
}

PractiseScene TGraphicPractise::scene() {
    // A ground chosen since the last load (or a layout change) is fetched before painting.
    ensureStandardGround();
    PractiseScene scene;
    scene.groundMode = m_groundMode;
    scene.standardGround = m_standardGround;
    scene.ownPicture = m_groundPicture.image();
    scene.centreErrorText = m_language.Text(QStringLiteral("GCCenterError"));
    scene.lines = m_lines.get();
    scene.figures = m_figures;
    return scene;
}

QImage TGraphicPractise::RenderPicture() {
    return renderPractise(scene(), QSize(pictureWidth(), pictureHeight()));
}

bool TGraphicPractise::readDataFile(const QString& path, QByteArray* bytes) {
    // Read whole: the readers take many small fields, and a file device asks the file
    // system for its size on each of them.
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(QStringLiteral("%1: cannot be read: %2").arg(shown, file.errorString()));
    if (file.size() > kMaxDataFileSize)
        return failWith(QStringLiteral("%1: the file is too large (%2 bytes) to be a practise")
                            .arg(shown)
                            .arg(file.size()));
    *bytes = file.readAll();
    if (bytes->size() != file.size())
        return failWith(QStringLiteral("%1: cannot be read: %2").arg(shown, file.errorString()));
    return true;
}

bool TGraphicPractise::failWith(const QString& message) {
    m_error = message;
    return false;
}

bool TGraphicPractise::beginRead(BinaryReader& in, qint32* version) {
    m_error.clear();
    *version = in.readInt32();
    if (!in.ok())
        return failWith(in.errorString());
    setFormatVersion(*version);
    return true;
}

bool TGraphicPractise::checkSaveAllowed(const QString& stem, const QString& dataFile) {
    if (stem.isEmpty())
        return failWith(QStringLiteral("No practise name is set; nothing was saved."));
    if (!m_refusedStem.isEmpty() && QDir::cleanPath(stem) == QDir::cleanPath(m_refusedStem))
        return failWith(QStringLiteral("%1 is not overwritten: %2")
                            .arg(QDir::toNativeSeparators(dataFile), m_refusedReason));
    return true;
}

void TGraphicPractise::refuseSaveTo(const QString& stem, const QString& reason) {
    m_refusedStem = stem;
    m_refusedReason = reason;
}

bool TGraphicPractise::writableVersion(qint32* version, bool graphic) {
    const qint32 v = m_settings.Version();
    // New files are written in the full layout with current-layout drawings, so the
    // version stored must be one that reads back that way.
    const bool ok = graphic ? isGraphicFullLayout(v) : (v >= 105 && v <= 141);
    if (!ok)
        return failWith(QStringLiteral("The format version %1 of the settings cannot be written; "
                                       "nothing was saved.")
                            .arg(v));
    *version = v;
    return true;
}

TGraphicPractise::PictureInputs TGraphicPractise::pictureInputs() {
    ensureStandardGround();
    PictureInputs inputs;
    inputs.canvas = QSize(pictureWidth(), pictureHeight());
    inputs.largeLayout = m_drawing.largeLayout;
    inputs.figureFolder = joinPath(m_drawing.appFolder, m_drawing.pictureFolder);
    inputs.rinkKey = m_groundMode == GroundStandard ? m_standardGround.cacheKey() : 0;
    inputs.centreText = m_language.Text(QStringLiteral("GCCenterError"));
    return inputs;
}

void TGraphicPractise::DrawnState::take(const DrawnParts& parts, const PictureInputs& from) {
    drawn.resize(0);
    drawn.append(parts.drawing);
    drawn.append(parts.ownGround);
    inputs = from;
}

bool TGraphicPractise::DrawnState::matches(const DrawnParts& parts,
                                           const PictureInputs& other) const {
    const auto same = [](const char* a, QByteArrayView b) {
        return b.isEmpty() || std::memcmp(a, b.data(), size_t(b.size())) == 0;
    };
    const qsizetype split = parts.drawing.size();
    return other == inputs && drawn.size() == split + parts.ownGround.size() &&
           same(drawn.constData(), parts.drawing) &&
           same(drawn.constData() + split, parts.ownGround);
}

void TGraphicPractise::keepRenderedPicture(const QImage& picture) {
    m_rendered.picture = QImage();
    if (m_kind != ItemKind::GraphicPractise ||
        picture.size() != QSize(pictureWidth(), pictureHeight()))
        return;
    if (!writeDrawnParts(&m_rendered.state.drawn))
        return;
    m_rendered.state.inputs = pictureInputs();
    m_rendered.picture = picture;
}

bool TGraphicPractise::SaveBytes(const QString& stem, QList<FileBytes>* files) {
    m_error.clear();
    const QString dataFile = stem + QStringLiteral(".gmp");
    qint32 version = 0;
    if (!checkSaveAllowed(stem, dataFile) || !writableVersion(&version, true))
        return false;
    // The data file (a megabyte for a practise of many lines) is written into memory kept
    // from the last save: fresh memory of that size costs more than writing it.
    m_dataBuffer.resize(0);
    setFormatVersion(version);
    DrawnParts drawn;
    if (!writeTo(&m_dataBuffer, dataFile, &drawn))
        return false;
    // Both pictures are made before any file is written, so a failure leaves all three.
    const PictureInputs inputs = pictureInputs();
    if (m_saved.picture.isEmpty() || !m_saved.state.matches(drawn, inputs)) {
        m_saved.picture.clear();
        // The picture the editor kept, while it still shows the drawing; else drawn here.
        const bool kept = !m_rendered.picture.isNull() && m_rendered.state.matches(drawn, inputs);
        const QImage picture = kept ? m_rendered.picture : RenderPicture();
        QByteArray pictureBytes = encodeJpeg(picture);
        QByteArray thumbnailBytes = encodeJpeg(boxFilterThumbnail(picture));
        if (pictureBytes.isEmpty() || thumbnailBytes.isEmpty())
            return failWith(
                QStringLiteral("%1: the picture could not be encoded; nothing was saved.")
                    .arg(QDir::toNativeSeparators(stem + QStringLiteral(".jpg"))));
        if (kept)
            m_saved.state = m_rendered.state; // the same bytes, shared rather than copied
        else
            m_saved.state.take(drawn, inputs);
        m_saved.picture = std::move(pictureBytes);
        m_saved.thumbnail = std::move(thumbnailBytes);
    }
    files->clear();
    files->append({dataFile, m_dataBuffer});
    files->append({stem + QStringLiteral(".jpg"), m_saved.picture});
    files->append({stem + QStringLiteral("Small.jpg"), m_saved.thumbnail});
    return true;
}

bool TGraphicPractise::Save(const QString& stem) {
    QList<FileBytes> files;
    if (!SaveBytes(stem, &files))
        return false;
    // The three files are written first and renamed into place only when all of them were
    // written, so a full disk never leaves a new drawing beside stale pictures.
    SaveGroup group;
    for (const FileBytes& file : files)
        group.addBytes(file.path, file.bytes);
    if (!group.commit())
        return failWith(group.errorString());
    setModified(false);
    notifyItemWritten(files.first().path);
    return true;
}

bool TGraphicPractise::restoreMissingPictures(const QString& stem) {
    const QString picture = stem + QStringLiteral(".jpg");
    const QString thumbnail = stem + QStringLiteral("Small.jpg");
    if (QFileInfo::exists(picture) && QFileInfo::exists(thumbnail))
        return true;
    const QImage image = RenderPicture();
    // A picture that cannot be written now stays missing, so the next load draws it again.
    QStringList failures;
    QString error;
    if (!QFileInfo::exists(picture) && !saveBytes(picture, encodeJpeg(image), &error))
        failures.append(error);
    if (!QFileInfo::exists(thumbnail) &&
        !saveBytes(thumbnail, encodeJpeg(boxFilterThumbnail(image)), &error))
        failures.append(error);
    if (failures.isEmpty())
        return true;
    m_loadWarning = QStringLiteral("%1: the missing picture was drawn again but could not be "
                                   "saved (%2); it is drawn again at the next load")
                        .arg(QDir::toNativeSeparators(stem + QStringLiteral(".gmp")),
                             failures.join(QStringLiteral("; ")));
    return false;
}

void TGraphicPractise::clearForLoad() {
    m_error.clear();
    m_loadWarning.clear();
    clearContent();
    clearRefusal();
    m_standardGround = QImage();
    m_standardGroundName.clear();
    m_standardGroundLoaded = false;
    m_groundPicture.clear();
    m_groundName.clear();
}

bool TGraphicPractise::Load(const QString& stem) {
    return LoadFile(stem + QStringLiteral(".gmp"));
}

bool TGraphicPractise::LoadFile(const QString& dataFile) {
    const QString stem = pathWithoutExtension(dataFile);
    clearForLoad();
    QByteArray bytes;
    if (!readDataFile(dataFile, &bytes))
        return false;
    if (!LoadBytes(bytes, dataFile))
        return false;
    if (m_kind == ItemKind::GraphicPractise && !isSaveRefused())
        restoreMissingPictures(stem);
    return true;
}

bool TGraphicPractise::LoadBytes(const QByteArray& bytes, const QString& dataFile) {
    const QString stem = pathWithoutExtension(dataFile);
    clearForLoad();
    if (!readFrom(bytes, QDir::toNativeSeparators(dataFile))) {
        refuseSaveTo(stem, QStringLiteral("it could not be read (%1).").arg(m_error));
        return false;
    }
    if (!isGraphicVersionAccepted(formatVersion())) {
        // A newer program's file or a damaged one: show an empty practise, keep the file.
        refuseSaveTo(stem, QStringLiteral("its format version %1 is not one this program reads.")
                               .arg(formatVersion()));
        setModified(false);
        return true;
    }
    if (m_groundMode == GroundStandard)
        loadStandardGround();
    setModified(needsRewrite(formatVersion()));
    return true;
}

bool TGraphicPractise::Delete(const QString& stem) {
    return deleteItemFiles(m_kind, stem);
}

bool TGraphicPractise::Rename(const QString& stem) {
    return hasCurrentItem() && renameItemFiles(m_kind, currentPath(), stem);
}

bool TGraphicPractise::Copy(const QString& stem) {
    return hasCurrentItem() && copyItemFiles(m_kind, currentPath(), stem);
}

QStringList TGraphicPractise::ListItems() {
    if (category().isEmpty() || subcategory().isEmpty())
        return {};
    return listItemLevel(subcategoryPath(), korvex::dataExtension(m_kind));
}

} // namespace korvex
