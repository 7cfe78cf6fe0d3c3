// The menu commands of the graphic practise mode.
#include "ui/graphic/TfrmGraphicMode.h"

#include "core/Jpeg.h"
#include "core/JpegPicture.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/GraphicPractisePrint.h"
#include "print/PageLayout.h"
#include "storage/GraphicPractiseExport.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PrintCommand.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormChooseGround.h"
#include "ui/dialogs/TFormEditPractises.h"
#include "ui/dialogs/TFormImportPractise.h"
#include "ui/graphic/DrawingEditCommands.h"
#include "ui/graphic/GraphicEditor.h"

#include "editing/GraphicDocument.h"
#include "editing/SetGroundCommand.h"

#include <QDir>
#include <QUndoStack>
#include <QUrl>

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

// Saves a modified practise before it leaves the program; false (said why) when it cannot
// be saved, or silently when no practise is chosen.
bool readyToLeave(TfrmGraphicMode& view) {
    if (!view.practise().hasCurrentItem() || isBlank(view.practise().name()))
        return false;
    if (view.saveIfModified())
        return true;
    dialogs().information(&view, view.practise().errorString());
    return false;
}

// The save dialog of an export: the filter of `extension` ("html", "zip", "gmp").
QString askExportFile(TfrmGraphicMode& view, const TLanguage& language, const char* titleKey,
                      const QString& extension) {
    FileDialogOptions options;
    options.title = language.Text(QString::fromLatin1(titleKey));
    options.filter = QStringLiteral("*.%1 (*.%1)").arg(extension);
    options.defaultSuffix = extension;
    return dialogs().saveFileName(&view, options);
}

// Export to HTML (tag 11) or ZIP (tag 12); an HTML page is opened afterwards.
void exportPage(TfrmGraphicMode& view, const TLanguage& language, const TSettings& settings,
                bool zip) {
    if (!readyToLeave(view))
        return;
    const QString file = askExportFile(view, language, zip ? "mmGMExportToZip" : "mmGMExportToHTML",
                                       zip ? QStringLiteral("zip") : QStringLiteral("html"));
    if (file.isEmpty())
        return;
    QString error;
    const bool written =
        zip ? writeGraphicPractiseZip(view.practise(), settings.appDir(), file, &error)
            : writeGraphicPractiseHtml(view.practise(), settings.appDir(), file, &error);
    if (!written)
        dialogs().information(&view, error);
    else if (!zip)
        dialogs().openUrl(QUrl::fromLocalFile(file));
}

// Copies the practise file to a file of the coach's choice.
void exportPractiseFile(TfrmGraphicMode& view, const TLanguage& language) {
    if (!readyToLeave(view))
        return;
    const QString file = askExportFile(view, language, "mmGMExport", QStringLiteral("gmp"));
    if (!file.isEmpty() && !view.practise().ExportCurrent(file))
        dialogs().information(&view, language.Text(LK("ExportFailed")) + QLatin1Char(' ') +
                                         QDir::toNativeSeparators(file));
}

void importPractises(TfrmGraphicMode& view, TLanguage& language) {
    if (!view.saveIfModified()) {
        dialogs().information(&view, view.practise().errorString());
        return;
    }
    TGraphicPractise& practise = view.practise();
    TFormImportPractise form(language, practise, &view,
                             [&practise] { return practise.errorString(); });
    dialogs().exec(&form);
    view.reloadSelection();
}

// Prints the practise on one page, or shows that page first.
void printPractise(TfrmGraphicMode& view, const TLanguage& language, bool preview) {
    if (!readyToLeave(view))
        return;
    const QImage picture = view.practise().RenderPicture();
    const QString name = view.practise().name();
    const QStringList description = view.practise().description();
    const PrintBody body = [picture, name, description](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        printGraphicPractise(layout, picture, name, description);
        return true;
    };
    const QString title = QStringLiteral("Korvex - ") + name;
    if (preview)
        runPrintPreview(&view, language, title, body);
    else
        runPrintCommand(&view, language, title, body);
}

} // namespace

bool TfrmGraphicMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::New:
    case ViewCommand::DeleteObject:
    case ViewCommand::PlaceToPlan:
    case ViewCommand::Export:
    case ViewCommand::Import:
    case ViewCommand::ExportToHtml:
    case ViewCommand::ExportToZip:
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
    case ViewCommand::ExportPicture:
    case ViewCommand::ChangePlayground:
    case ViewCommand::CustomField:
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

bool TfrmGraphicMode::run(ViewCommand command, int tag) {
    switch (command) {
    case ViewCommand::New:
        newPractise();
        return true;
    case ViewCommand::ExportPicture:
        exportPicture();
        return true;
    case ViewCommand::Export:
        exportPractiseFile(*this, language());
        return true;
    case ViewCommand::Import:
        importPractises(*this, language());
        return true;
    case ViewCommand::ExportToHtml:
    case ViewCommand::ExportToZip:
        exportPage(*this, language(), settings(), command == ViewCommand::ExportToZip);
        return true;
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
        printPractise(*this, language(), command == ViewCommand::PrintPreview);
        return true;
    case ViewCommand::ChangePlayground:
        changePlayground();
        return true;
    case ViewCommand::CustomField:
        customField(tag);
        return true;
    case ViewCommand::MirrorLeftRight:
    case ViewCommand::MirrorTopBottom:
        m_editor->mirror(command == ViewCommand::MirrorLeftRight);
        return true;
    default:
        return runDrawingEditCommand(command, *m_editor, *m_document);
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

void TfrmGraphicMode::exportPicture() {
    // Without a practise there is nothing to export (the canvas shows the title card).
    if (isBlank(m_practise->name()))
        return;
    FileDialogOptions options;
    options.title = language().Text(LK("mmGNExportPicture"));
    options.fileName = m_practise->name();
    options.filter = QStringLiteral("*.jpg (*.jpg)");
    options.defaultSuffix = QStringLiteral("jpg");
    const QString file = dialogs().saveFileName(this, options);
    if (file.isEmpty())
        return;
    // The clean picture: every object, no selection marks.
    QString error;
    if (!saveBytes(file, encodeJpeg(m_practise->RenderPicture()), &error))
        dialogs().information(this, error);
}

void TfrmGraphicMode::changePlayground() {
    if (isBlank(m_practise->name()))
        return;
    // The form sets the ground on the practise (and saves it); the change is then recorded
    // as one undoable step.
    const GroundChoice before = GroundChoice::of(*m_document);
    TFormChooseGround form(language(), settings(), *m_practise, this);
    dialogs().exec(&form);
    const GroundChoice after = GroundChoice::of(*m_document);
    if (after.mode == before.mode && after.rinkName == before.rinkName &&
        after.picture.bytes() == before.picture.bytes())
        return;
    m_practise->setGroundMode(before.mode);
    m_practise->setGroundName(before.rinkName);
    m_practise->setGroundPicture(before.picture);
    m_document->push(new SetGroundCommand(*m_document, after));
}

void TfrmGraphicMode::customField(int tag) {
    GroundChoice ground = GroundChoice::of(*m_document);
    if (tag >= 1 && tag <= 3) {
        if (ground.mode == tag)
            return;
        ground.mode = tag;
    } else if (tag == 11) {
        JpegPicture picture;
        if (openJpegPicture(this, &picture).isEmpty())
            return;
        ground.picture = picture;
    } else {
        return;
    }
    m_document->push(new SetGroundCommand(*m_document, ground));
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
