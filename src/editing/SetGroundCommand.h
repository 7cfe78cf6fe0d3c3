#pragma once

#include "editing/DocumentCommand.h"

#include "core/JpegPicture.h"

#include <QString>

namespace korvex {

// What a practise is drawn on: a standard rink by name, or its own picture fitted,
// stretched or centred (the custom field).
struct GroundChoice {
    int mode = 0;
    QString rinkName;
    JpegPicture picture;

    static GroundChoice of(GraphicDocument& document);
};

// Changes the ground of a practise.
class SetGroundCommand : public DocumentCommand {
public:
    SetGroundCommand(GraphicDocument& document, const GroundChoice& ground);

    void redo() override;
    void undo() override;

private:
    void apply(const GroundChoice& ground);

    GroundChoice m_before;
    GroundChoice m_after;
};

} // namespace korvex
