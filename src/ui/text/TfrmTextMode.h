#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Mode 2: text practises with pictures.
class TfrmTextMode : public TModeView {
    Q_OBJECT

public:
    TfrmTextMode(TLanguage& language, TSettings& settings, QWidget* parent);

    QString titleKey() const override;
};

} // namespace korvex
