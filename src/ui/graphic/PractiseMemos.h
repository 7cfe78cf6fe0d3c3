#pragma once

class QPlainTextEdit;

namespace korvex {

class GraphicDocument;

// The description and keyword memos of a drawing view, kept in step with the document's
// practise: typing becomes an undoable step, and undoing it shows in the memos.
struct PractiseMemos {
    QPlainTextEdit* description = nullptr;
    QPlainTextEdit* keywords = nullptr;

    // Pushes the memos' texts as one step when they differ from the practise's.
    void pushEdit(GraphicDocument& document) const;
    // Shows the practise's texts. Only a memo whose text differs is written, so typing keeps
    // its cursor.
    void show(const GraphicDocument& document) const;
};

} // namespace korvex
