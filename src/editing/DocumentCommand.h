#pragma once

#include "storage/PlayerNumbers.h"

#include <QUndoCommand>

namespace korvex {

class GraphicDocument;

// An edit of a document. Its text is the step's name in the coach's language, looked up
// by key, so the Edit menu reads "Undo move figure".
class DocumentCommand : public QUndoCommand {
public:
    DocumentCommand(GraphicDocument& document, const char* textKey);

protected:
    GraphicDocument& m_document;
};

// Both player-number sets of a practise, so an edit that takes or gives back a number can
// put them back exactly as they were.
struct NumberSnapshot {
    PlayerNumbers forwards;
    PlayerNumbers defenders;

    static NumberSnapshot of(GraphicDocument& document);
    void restoreTo(GraphicDocument& document) const;
};

} // namespace korvex
