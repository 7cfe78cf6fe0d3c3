// The menu commands of the graphic practise mode.
#include "ui/graphic/TfrmGraphicMode.h"

#include "core/Jpeg.h"
#include "core/JpegPicture.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormChooseGround.h"
#include "ui/dialogs/TFormEditPractises.h"

#include <QDir>

namespace korvex {

namespace {

// The view/edit switch lives in the main window; a view shown on its own switches itself.
void setEditSwitch(TfrmGraphicMode* view, TSettings& settings, bool on) {
    if (auto* main = qobject_cast<TFormKorvex*>(view->window())) {
        main->SetEditMode(on);
        return;
    }
    settings.setEditFlag(view->setEditMode(on));
}

} // namespace

bool TfrmGraphicMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::New:
    case ViewCommand::DeleteObject:
    case ViewCommand::PlaceToPlan:
    case ViewCommand::ExportPicture:
    case ViewCommand::ChangePlayground:
    case ViewCommand::CustomField:
        return true;
    default:
        return false;
    }
}

bool TfrmGraphicMode::run(ViewCommand command, int tag) {
    switch (command) {
    case ViewCommand::New:
        newPractise();
        return true;
    case ViewCommand::DeleteObject:
        deleteObject();
        return true;
    case ViewCommand::ExportPicture:
        exportPicture();
        return true;
    case ViewCommand::ChangePlayground:
        changePlayground();
        return true;
    case ViewCommand::CustomField:
        customField(tag);
        return true;
    default:
        return false;
    }
}

void TfrmGraphicMode::newPractise() {
    if (!saveIfModified())
        dialogs().information(this, m_practise->errorString());
    TFormEditPractises form(language(), settings(), *m_practise, 1, this);
    form.setWindowTitle(language().Text(LK("FormEditGMPractise")));
    dialogs().exec(&form);
    setEditSwitch(this, settings(), false);
    reloadSelection();
    // A freshly created practise opens ready for drawing.
    const bool empty = m_practise->description().isEmpty() && m_practise->keywords().isEmpty() &&
                       m_practise->lines().count() == 0 && m_practise->figures().count() == 0;
    if (empty)
        setEditSwitch(this, settings(), true);
}

void TfrmGraphicMode::deleteObject() {
    if (settings().CurrentMode() != 1 || m_practise->selectedObject() < 0)
        return;
    m_practise->DeleteSelected();
    m_practise->setModified(true);
    m_draggingPoint = false;
    renderBuffer();
    blit();
}

void TfrmGraphicMode::exportPicture() {
    FileDialogOptions options;
    options.title = language().Text(LK("mmGNExportPicture"));
    options.fileName = m_practise->name();
    options.filter = QStringLiteral("*.jpg (*.jpg)");
    options.defaultSuffix = QStringLiteral("jpg");
    const QString file = dialogs().saveFileName(this, options);
    if (file.isEmpty())
        return;
    // The clean picture: the buffer without selection marks.
    QString error;
    if (!saveBytes(file, encodeJpeg(m_buffer), &error))
        dialogs().information(this, error);
}

void TfrmGraphicMode::changePlayground() {
    if (isBlank(m_practise->name()))
        return;
    copyTextsToPractise();
    TFormChooseGround form(language(), settings(), *m_practise, this);
    dialogs().exec(&form);
    reloadSelection();
    m_practise->setModified(true);
}

void TfrmGraphicMode::customField(int tag) {
    if (tag >= 1 && tag <= 3) {
        m_practise->setGroundMode(tag);
    } else if (tag == 11) {
        JpegPicture picture;
        if (openJpegPicture(this, &picture).isEmpty())
            return;
        m_practise->setGroundPicture(picture);
        m_practise->setModified(true);
    } else {
        return;
    }
    renderBuffer();
    blit();
}

QString TfrmGraphicMode::pathForPlan() {
    if (isBlank(m_practise->category()) || isBlank(m_practise->subcategory()) ||
        isBlank(m_practise->name()))
        return QString();
    if (!saveIfModified()) {
        dialogs().information(this, m_practise->errorString());
        return QString();
    }
    return QDir(settings().appDir()).relativeFilePath(m_practise->currentFile());
}

} // namespace korvex
