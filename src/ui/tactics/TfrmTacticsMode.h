#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Mode 7: tactics practises played as an animation (menus keep it hidden).
class TfrmTacticsMode : public TModeView {
    Q_OBJECT

public:
    TfrmTacticsMode(TLanguage& language, TSettings& settings, QWidget* parent);

    QString titleKey() const override;
    void applyCaptions() override;
};

} // namespace korvex
