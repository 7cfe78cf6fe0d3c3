// Frames, playback and the commands of the tactics view.
#include "ui/tactics/TfrmTacticsMode.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "editing/GraphicDocument.h"
#include "editing/MirrorFramesCommand.h"
#include "storage/AnimationGif.h"
#include "storage/AnimationPictures.h"
#include "storage/TTacticsPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/dialogs/TFormEditPractises.h"
#include "ui/graphic/GraphicEditor.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>

namespace korvex {

namespace {

// Slower than a minute per frame is no animation; the bound keeps timer and GIF in range.
constexpr int kMaxSpeedMs = 60000;

} // namespace

bool TfrmTacticsMode::isPlaying() const {
    return m_practise && m_practise->isPlaying();
}

int TfrmTacticsMode::speedMs() {
    bool ok = false;
    const int speed = m_edtSpeed->text().trimmed().toInt(&ok);
    if (ok && speed >= 1 && speed <= kMaxSpeedMs)
        return speed;
    dialogs().information(this, language().Text(LK("TCSpeedInvalid")).arg(kMaxSpeedMs));
    return 0;
}

void TfrmTacticsMode::play() {
    if (m_practise->name().isEmpty() || isPlaying())
        return;
    const int speed = speedMs();
    if (speed == 0)
        return;
    m_pictures = std::make_unique<AnimationPictures>(*m_practise, speed, m_chbSmooth->isChecked());
    m_practise->setPlaying(true);
    // The canvas only shows while playing: the pictures stand in for the frame edited.
    updateEditing();
    m_editor->setDocument(nullptr);
    m_pictureIndex = 0;
    {
        const QSignalBlocker blocker(m_speScenes);
        m_speScenes->setValue(0);
    }
    m_practise->SetFrame(0);
    m_editor->setPlaceholder(m_pictures->render(0));
    // A single picture is the whole playback: it ends at once.
    if (m_pictures->count() <= 1) {
        stopPlayback();
        return;
    }
    m_timer->start(m_pictures->smooth() ? AnimationTween::kPictureMs : speed);
}

void TfrmTacticsMode::tick() {
    if (!m_pictures || !isPlaying()) {
        m_timer->stop();
        return;
    }
    if (m_pictureIndex >= m_pictures->count() - 1) {
        stopPlayback();
        return;
    }
    ++m_pictureIndex;
    const int frame = m_pictures->frameOf(m_pictureIndex);
    if (frame != m_speScenes->value()) {
        const QSignalBlocker blocker(m_speScenes);
        m_speScenes->setValue(frame);
    }
    m_practise->SetFrame(frame);
    m_editor->setPlaceholder(m_pictures->render(m_pictureIndex));
}

void TfrmTacticsMode::stopPlayback() {
    m_timer->stop();
    if (!isPlaying())
        return;
    m_practise->setPlaying(false);
    m_pictures.reset();
    // While playing only the index moved; the frame it names becomes the one shown and
    // edited.
    m_practise->SetFrame(qMin(m_practise->currentFrame(), m_practise->frameCount() - 1));
    showFrame();
}

void TfrmTacticsMode::onScenesChange(int value) {
    if (isPlaying()) {
        m_practise->SetFrame(value);
        return;
    }
    if (m_practise->name().isEmpty() || !m_practise->hasCurrentItem()) {
        updatePanel();
        return;
    }
    // Past the last frame a copy of it is appended, and the practise is saved at once. When
    // that save fails the copy stays in memory, marked for the next save.
    if (!m_practise->SetFrame(value, m_practise->currentPath())) {
        m_practise->setModified(true);
        dialogs().information(this, m_practise->errorString());
    }
    m_loading = true;
    copyTextsFromPractise();
    m_loading = false;
    showFrame();
}

bool TfrmTacticsMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::New:
    case ViewCommand::DeleteRecord:
    case ViewCommand::ExportPicture:
    case ViewCommand::DeleteObject:
    case ViewCommand::Undo:
    case ViewCommand::Redo:
    case ViewCommand::Copy:
    case ViewCommand::Paste:
    case ViewCommand::Duplicate:
    case ViewCommand::MirrorLeftRight:
    case ViewCommand::MirrorTopBottom:
        return true;
    default:
        return false;
    }
}

bool TfrmTacticsMode::run(ViewCommand command, int) {
    switch (command) {
    case ViewCommand::New:
        newPractise();
        return true;
    case ViewCommand::DeleteRecord:
        deleteFrame();
        return true;
    case ViewCommand::ExportPicture:
        exportAnimation();
        return true;
    case ViewCommand::DeleteObject:
        m_editor->deleteSelection();
        return true;
    case ViewCommand::Undo:
    case ViewCommand::Redo:
        // Only while editing: a playing animation is not changed under the player.
        if (m_editor->isEditing()) {
            if (command == ViewCommand::Undo)
                m_document->undoStack().undo();
            else
                m_document->undoStack().redo();
        }
        return true;
    case ViewCommand::Copy:
        m_editor->copySelection();
        return true;
    case ViewCommand::Paste:
        m_editor->paste();
        return true;
    case ViewCommand::Duplicate:
        m_editor->duplicateSelection();
        return true;
    case ViewCommand::MirrorLeftRight:
    case ViewCommand::MirrorTopBottom:
        mirror(command == ViewCommand::MirrorLeftRight);
        return true;
    default:
        return false;
    }
}

void TfrmTacticsMode::mirror(bool leftRight) {
    // The whole play turns to the other side, every frame alike; mirroring one frame would
    // send its figures across the rink and back while the animation plays.
    if (m_editor->isEditing())
        m_document->push(new MirrorFramesCommand(*m_document, m_practise->animation(), leftRight));
}

QString TfrmTacticsMode::pathForPlan() {
    if (isBlank(m_practise->name()) || !m_practise->hasCurrentItem())
        return QString();
    if (!saveIfModified()) {
        dialogs().information(this, m_practise->errorString());
        return QString();
    }
    return QDir(settings().appDir()).relativeFilePath(m_practise->currentFile());
}

void TfrmTacticsMode::newPractise() {
    stopPlayback();
    if (!saveIfModified())
        dialogs().information(this, m_practise->errorString());
    TFormEditPractises form(language(), settings(), *m_practise, 7, this);
    form.setWindowTitle(language().Text(LK("FormEditTCPractise")));
    dialogs().exec(&form);
    reloadSelection();
    // A new practise starts on the first of the rinks the settings offer.
    if (!m_practise->name().isEmpty() && m_practise->groundName().isEmpty() &&
        !settings().selectedRinks().isEmpty()) {
        m_practise->setGroundName(settings().selectedRinks().first());
        m_practise->loadStandardGround();
        if (!m_practise->SaveCurrent())
            dialogs().information(this, m_practise->errorString());
        showFrame();
    }
}

void TfrmTacticsMode::deleteFrame() {
    if (m_practise->name().isEmpty() || !m_practise->hasCurrentItem())
        return;
    stopPlayback();
    if (m_practise->frameCount() <= 1) {
        dialogs().information(this, language().Text(LK("TCOnlyFrame")));
        return;
    }
    const int frame = m_practise->currentFrame();
    if (!dialogs().confirm(this, language().Text(LK("TCDeleteFrame")).arg(frame)))
        return;
    // The practise draws on its current frame: it moves to a neighbour before the frame
    // goes, and then names that neighbour by its new index.
    const int shown = frame > 0 ? frame - 1 : 0;
    m_practise->SetFrame(frame > 0 ? frame - 1 : 1);
    m_practise->animation().take(frame);
    m_practise->SetFrame(shown);
    m_practise->setModified(true);
    if (!m_practise->SaveCurrent())
        dialogs().information(this, m_practise->errorString());
    showFrame();
}

void TfrmTacticsMode::exportAnimation() {
    if (m_practise->name().isEmpty())
        return;
    stopPlayback();
    const int speed = speedMs();
    if (speed == 0)
        return;
    FileDialogOptions options;
    options.title = language().Text(LK("mmTAExportAnimation"));
    options.fileName = m_practise->name() + QStringLiteral(".gif");
    options.filter = QStringLiteral("*.gif (*.gif)");
    options.defaultSuffix = QStringLiteral("gif");
    const QString file = dialogs().saveFileName(this, options);
    if (file.isEmpty())
        return;
    QString error;
    // A smooth animation takes a moment to paint and pack.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = saveAnimationGif(*m_practise, file, speed, m_chbSmooth->isChecked(), &error);
    QGuiApplication::restoreOverrideCursor();
    if (!saved)
        dialogs().information(this,
                              language().Text(LK("ExportFailed")) + QLatin1Char('\n') + error);
}

} // namespace korvex
