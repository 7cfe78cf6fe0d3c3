#pragma once

#include "editing/DocumentCommand.h"

#include <QStringList>

namespace korvex {

// Sets the description and keywords of a practise. Typing produces one command per change;
// changes in a row merge into one step, so one undo takes back one stretch of typing.
class SetTextsCommand : public DocumentCommand {
public:
    SetTextsCommand(GraphicDocument& document, const QStringList& description,
                    const QStringList& keywords);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    QStringList m_descriptionBefore;
    QStringList m_keywordsBefore;
    QStringList m_description;
    QStringList m_keywords;
};

} // namespace korvex
