#include "editing/SetGroundCommand.h"

#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

namespace korvex {

GroundChoice GroundChoice::of(GraphicDocument& document) {
    const TGraphicPractise& practise = document.practise();
    return {practise.groundMode(), practise.groundName(), practise.groundPicture()};
}

SetGroundCommand::SetGroundCommand(GraphicDocument& document, const GroundChoice& ground)
    : DocumentCommand(document, "CmdChangeGround"), m_before(GroundChoice::of(document)),
      m_after(ground) {}

void SetGroundCommand::apply(const GroundChoice& ground) {
    TGraphicPractise& practise = m_document.practise();
    practise.setGroundMode(ground.mode);
    practise.setGroundName(ground.rinkName);
    practise.setGroundPicture(ground.picture);
}

void SetGroundCommand::redo() {
    apply(m_after);
}

void SetGroundCommand::undo() {
    apply(m_before);
}

} // namespace korvex
