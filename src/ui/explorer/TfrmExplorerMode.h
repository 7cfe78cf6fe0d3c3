#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Mode 8: graphic practises as a grid of thumbnails. Once made, the view lives
// until the main window is destroyed, so it keeps its selection between visits.
class TfrmExplorerMode : public TModeView {
    Q_OBJECT

public:
    TfrmExplorerMode(TLanguage& language, TSettings& settings, QWidget* parent);

    QString titleKey() const override;
};

} // namespace korvex
