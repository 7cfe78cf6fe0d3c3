#pragma once

#include <QString>
#include <QWidget>

namespace korvex {

class TLanguage;
class TSettings;

// The commands the main window's menus hand to the current mode view. The Tag of the menu
// item that asked travels with it (for example 31 basic and 32 advanced plan print).
enum class ViewCommand {
    New,
    DeleteObject,
    PlaceToPlan, // practise views: place the current practise into the training plan
    Place,       // plan view: place the chosen practise into the plan
    Export,
    Import,
    ExportToHtml,
    ExportToZip,
    ExportPicture,
    ChangePlayground,
    CustomField,
    CreateArchive,
    DeleteArchive,
    RenameArchive,
    DeleteArchiveTeam,
    RenameArchiveTeam,
    Print,
    PrintPreview, // the pages of Print, shown before printing
    NewTeam,
    DeleteTeam,
    RenameTeam,
    NewRecord,
    DeleteRecord,
    PlayerArchive,
    ExportPlayer,
    ImportPlayer,
    Undo,
    Redo,
    Copy,
    Paste,
    Duplicate,
    MirrorLeftRight,
    MirrorTopBottom,
    SaveBackup, // text practises: back up the kind (Tag 0), category (1) or subcategory (2)
    LoadBackup,
};

// The shared interface of every mode view. The main window creates a view when its mode is
// entered, gives it the shared language and settings objects, calls initialise(), hands it
// the menu commands, and calls tearDown() right before freeing it. A view that does not
// offer a command yet says so through supports(); the window disables that menu item.
class TModeView : public QWidget {
    Q_OBJECT

public:
    TModeView(TLanguage& language, TSettings& settings, QWidget* parent);

    // Called once, right after creation: the view builds its controls and loads its item.
    virtual void initialise() = 0;
    // Called right before the view is freed; a view with unsaved data saves it here.
    virtual void tearDown() {}
    // Puts the language texts on the view's controls.
    virtual void applyCaptions() = 0;

    virtual bool supports(ViewCommand command) const;
    // Carries out a menu command. The result matters for CreateArchive (success switches
    // the window to the archive).
    virtual bool run(ViewCommand command, int tag);

    // The view/edit switch: applies `on` where the view has an item loaded and returns the
    // resulting edit state (false when there is nothing to edit).
    virtual bool setEditMode(bool on);

    // The current item: its name, its subcategory (the team of a plan) and whether it has
    // unsaved changes.
    virtual QString itemName() const { return QString(); }
    virtual QString subcategoryName() const { return QString(); }
    virtual bool isModified() const { return false; }
    // Saves the current item if it has unsaved changes; false when the save failed, and
    // errorString() says why.
    virtual bool saveIfModified() { return true; }
    virtual QString errorString() const { return QString(); }
    // The names of the steps Undo and Redo would take ("move figure"), empty when none.
    virtual QString undoText() const { return QString(); }
    virtual QString redoText() const { return QString(); }
    // Whether Undo and Redo have a step to take.
    virtual bool canUndo() const { return false; }
    virtual bool canRedo() const { return false; }
    // Custom-field mode of the current practise (0 = the practise uses none).
    virtual int customFieldMode() const { return 0; }

    // Place to training plan, practise side: saves the practise and returns its file path
    // relative to {app} ("" when there is none to place).
    virtual QString pathForPlan() { return QString(); }
    // Place to training plan, plan side: stores `relativePath` in the open plan.
    virtual void placeFile(const QString& relativePath) { Q_UNUSED(relativePath); }

    // The language key of the view's title (the mode's tool-button hint key).
    virtual QString titleKey() const = 0;

protected:
    TLanguage& language() const { return m_language; }
    TSettings& settings() const { return m_settings; }

private:
    TLanguage& m_language;
    TSettings& m_settings;
};

} // namespace korvex
