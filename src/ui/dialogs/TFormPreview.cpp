#include "ui/dialogs/TFormPreview.h"

namespace korvex {

TFormPreview::TFormPreview(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormPreview"));
    setWindowTitle(QStringLiteral("Preview"));
    resize(640, 800);
}

} // namespace korvex
