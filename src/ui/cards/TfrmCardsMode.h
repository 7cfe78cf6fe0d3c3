#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Mode 5: the player cards of a team.
class TfrmCardsMode : public TModeView {
    Q_OBJECT

public:
    TfrmCardsMode(TLanguage& language, TSettings& settings, QWidget* parent);

    QString titleKey() const override;
};

} // namespace korvex
