#pragma once

#include "ui/TModeView.h"

namespace korvex {

class GraphicDocument;
class GraphicEditor;

// The Edit-menu commands every drawing view runs the same way on its editor and document:
// delete, undo, redo, copy, paste and duplicate. Undo and redo act only while the editor
// edits (a view state or a playing animation is not changed under the coach) and drop a
// line in progress first. False for any other command, which the view runs itself.
bool runDrawingEditCommand(ViewCommand command, GraphicEditor& editor, GraphicDocument& document);

} // namespace korvex
