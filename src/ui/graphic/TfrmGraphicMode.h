#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Mode 1: graphic practises drawn on a rink.
class TfrmGraphicMode : public TModeView {
    Q_OBJECT

public:
    TfrmGraphicMode(TLanguage& language, TSettings& settings, QWidget* parent);

    QString titleKey() const override;
};

} // namespace korvex
