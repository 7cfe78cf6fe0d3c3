#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Mode 4: the training diary of a team.
class TfrmDiaryMode : public TModeView {
    Q_OBJECT

public:
    TfrmDiaryMode(TLanguage& language, TSettings& settings, QWidget* parent);

    QString titleKey() const override;
};

} // namespace korvex
