#include "ui/graphic/DrawingEditCommands.h"

#include "editing/GraphicDocument.h"
#include "ui/graphic/GraphicEditor.h"

#include <QUndoStack>

namespace korvex {

bool runDrawingEditCommand(ViewCommand command, GraphicEditor& editor, GraphicDocument& document) {
    switch (command) {
    case ViewCommand::DeleteObject:
        editor.deleteSelection();
        return true;
    case ViewCommand::Undo:
    case ViewCommand::Redo:
        if (editor.isEditing()) {
            editor.cancelLine();
            if (command == ViewCommand::Undo)
                document.undoStack().undo();
            else
                document.undoStack().redo();
        }
        return true;
    case ViewCommand::Copy:
        editor.copySelection();
        return true;
    case ViewCommand::Paste:
        editor.paste();
        return true;
    case ViewCommand::Duplicate:
        editor.duplicateSelection();
        return true;
    default:
        return false;
    }
}

} // namespace korvex
