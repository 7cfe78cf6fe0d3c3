#include "editing/DocumentCommand.h"

#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

namespace korvex {

DocumentCommand::DocumentCommand(GraphicDocument& document, const char* textKey)
    : m_document(document) {
    setText(document.commandText(QString::fromLatin1(textKey)));
}

NumberSnapshot NumberSnapshot::of(GraphicDocument& document) {
    TGraphicPractise& practise = document.practise();
    return {practise.numbers(TGraphicPractise::NumbersB),
            practise.numbers(TGraphicPractise::NumbersA)};
}

void NumberSnapshot::restoreTo(GraphicDocument& document) const {
    TGraphicPractise& practise = document.practise();
    practise.numbers(TGraphicPractise::NumbersB) = forwards;
    practise.numbers(TGraphicPractise::NumbersA) = defenders;
}

} // namespace korvex
