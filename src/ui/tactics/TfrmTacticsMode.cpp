#include "ui/tactics/TfrmTacticsMode.h"

#include "ui/LanguageKeys.h"
#include <QLabel>
namespace korvex {

TfrmTacticsMode::TfrmTacticsMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmTacticsMode"));
}

QString TfrmTacticsMode::titleKey() const {
    return QString();
}

void TfrmTacticsMode::applyCaptions() {
    // The tactics mode has no language key of its own; its title is fixed like its caption.
    TModeView::applyCaptions();
    if (auto* title = findChild<QLabel*>(QStringLiteral("lblModeTitle")))
        title->setText(QStringLiteral("Tactics"));
}

} // namespace korvex
