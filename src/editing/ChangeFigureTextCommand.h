#pragma once

#include "editing/DocumentCommand.h"

#include <QString>

namespace korvex {

// Changes the text of a player or a free text.
class ChangeFigureTextCommand : public DocumentCommand {
public:
    ChangeFigureTextCommand(GraphicDocument& document, int figure, const QString& text);

    void redo() override;
    void undo() override;

private:
    int m_figure;
    QString m_before;
    QString m_after;
};

} // namespace korvex
