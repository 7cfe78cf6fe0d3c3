#include "storage/TTacticsPractise.h"

#include "storage/PractiseVersions.h"
#include "storage/search/LibraryNotify.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/SafeSave.h"
#include "core/StreamRecords.h"
#include "core/TSettings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace korvex {

TTacticsPractise::TTacticsPractise(TSettings& settings, TLanguage& language)
    : TGraphicPractise(settings, language, ItemKind::TacticsPractise),
      m_animation(std::make_unique<TFiguresAnimation>(&drawingSettings())) {
    clearAnimation();
}

TTacticsPractise::~TTacticsPractise() {
    // The figures pointer of the base must not outlive the frames it points into.
    setCurrentFigures(nullptr);
}

void TTacticsPractise::clearAnimation() {
    setCurrentFigures(nullptr);
    m_animation->clear();
    // One empty frame, so that figures placed on a cleared practise belong to the animation.
    m_animation->add(std::make_unique<TFigures>(&drawingSettings()));
    m_currentFrame = 0;
    setCurrentFigures(m_animation->at(0));
}

void TTacticsPractise::Clear() {
    clearAnimation();
    m_playing = false;
    TGraphicPractise::Clear();
}

bool TTacticsPractise::writeTacticsTo(QIODevice* device, const QString& name) {
    qint32 version = 0;
    if (!writableVersion(&version, false))
        return false;
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(version);
    writeStreamStrings(out, description());
    writeStreamStrings(out, keywords());
    m_animation->writeTo(out);
    writeStreamString(out, groundName());
    QString error;
    if (!out.ok() || !writeAll(device, bytes, &error))
        return failWith(QStringLiteral("%1: %2").arg(name, out.ok() ? error : out.errorString()));
    return true;
}

bool TTacticsPractise::readTacticsFrom(QIODevice* device, const QString& name) {
    BinaryReader in(device, name);
    qint32 version = 0;
    if (!beginRead(in, &version))
        return false;
    if (!isTacticsVersionAccepted(version))
        return true;
    description() = readStreamStrings(in);
    keywords() = readStreamStrings(in);
    setCurrentFigures(nullptr);
    if (in.ok())
        m_animation->readFrom(version, in);
    const QString ground = readStreamString(in);
    if (!in.ok()) {
        m_error = in.errorString();
        clearAnimation();
        description().clear();
        keywords().clear();
        return false;
    }
    setGroundName(ground);
    if (m_animation->count() == 0)
        m_animation->add(std::make_unique<TFigures>(&drawingSettings()));
    m_currentFrame = 0;
    setCurrentFigures(m_animation->at(0));
    return true;
}

bool TTacticsPractise::Save(const QString& stem) {
    m_error.clear();
    const QString dataFile = stem + QStringLiteral(".tac");
    if (!checkSaveAllowed(stem, dataFile))
        return false;
    SafeSave out(dataFile);
    if (out.open() && !writeTacticsTo(out.device(), QDir::toNativeSeparators(dataFile)))
        out.fail(m_error);
    if (!out.commit())
        return failWith(out.errorString());
    setFormatVersion(m_settings.Version());
    setModified(false);
    notifyItemWritten(dataFile);
    return true;
}

bool TTacticsPractise::Load(const QString& stem) {
    m_error.clear();
    clearAnimation();
    clearContent();
    clearRefusal();
    m_playing = false;
    setGroundName(QString());
    const QString dataFile = stem + QStringLiteral(".tac");
    const QString shown = QDir::toNativeSeparators(dataFile);
    QByteArray bytes;
    if (!readDataFile(dataFile, &bytes))
        return false;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool ok = readTacticsFrom(&buffer, shown);
    if (!ok)
        refuseSaveTo(stem, QStringLiteral("it could not be read (%1).").arg(m_error));
    else if (!isTacticsVersionAccepted(formatVersion()))
        refuseSaveTo(stem, QStringLiteral("its format version %1 is not one this program reads.")
                               .arg(formatVersion()));
    else
        loadStandardGround();
    setModified(false);
    return ok;
}

QString TTacticsPractise::missingGroundText() const {
    return groundName();
}

bool TTacticsPractise::appendCopyOfLastFrame() {
    // A frame is copied through its stream form, the same way it is stored.
    QByteArray bytes;
    BinaryWriter out(&bytes);
    m_animation->at(m_animation->count() - 1)->writeTo(out);
    BinaryReader in(bytes, QStringLiteral("frame copy"));
    auto frame = std::make_unique<TFigures>(&drawingSettings());
    // Any version of the current layout reads what writeTo wrote.
    frame->readFrom(141, in);
    if (!out.ok() || !in.ok())
        return failWith(in.ok() ? out.errorString() : in.errorString());
    m_animation->add(std::move(frame));
    return true;
}

bool TTacticsPractise::SetFrame(int index, const QString& stem) {
    if (index < 0)
        return true;
    if (m_playing) {
        m_currentFrame = index;
        return true;
    }
    if (index >= m_animation->count()) {
        index = m_animation->count();
        if (!appendCopyOfLastFrame())
            return false;
        if (!stem.isEmpty()) {
            if (!Save(stem) || !Load(stem))
                return false;
        }
    }
    m_currentFrame = index;
    setCurrentFigures(m_animation->at(index));
    return true;
}

} // namespace korvex
