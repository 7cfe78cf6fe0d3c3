#pragma once

#include <QWidget>

namespace korvex {

// The print preview form, created at start-up beside the main window and kept hidden;
// printing shows it.
class TFormPreview : public QWidget {
    Q_OBJECT

public:
    explicit TFormPreview(QWidget* parent = nullptr);
};

} // namespace korvex
