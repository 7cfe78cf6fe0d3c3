#include "editing/SetTextsCommand.h"

#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

namespace korvex {

namespace {
constexpr int kTextsId = 2;
} // namespace

SetTextsCommand::SetTextsCommand(GraphicDocument& document, const QStringList& description,
                                 const QStringList& keywords)
    : DocumentCommand(document, "CmdEditTexts"),
      m_descriptionBefore(document.practise().description()),
      m_keywordsBefore(document.practise().keywords()), m_description(description),
      m_keywords(keywords) {}

void SetTextsCommand::redo() {
    m_document.practise().description() = m_description;
    m_document.practise().keywords() = m_keywords;
}

void SetTextsCommand::undo() {
    m_document.practise().description() = m_descriptionBefore;
    m_document.practise().keywords() = m_keywordsBefore;
}

int SetTextsCommand::id() const {
    return kTextsId;
}

bool SetTextsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetTextsCommand*>(other);
    m_description = next->m_description;
    m_keywords = next->m_keywords;
    return true;
}

} // namespace korvex
