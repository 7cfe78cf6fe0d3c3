#include "ui/PrintCommand.h"

#include "core/TLanguage.h"
#include "print/PainterCanvas.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace korvex {

namespace {

void setUpPrinter(QPrinter& printer, const QString& jobTitle) {
    printer.setDocName(jobTitle);
    printer.setCreator(QStringLiteral("Korvex"));
    printer.setPageSize(QPageSize(QPageSize::A4));
}

// Prints onto `printer`; false with `error` set when the job could not begin or the body
// failed. The job is ended on every path once it has begun.
bool printOn(QPrinter& printer, const TLanguage& language, const PrintBody& body, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = language.Text(LK("PrintNotStarted"));
        return false;
    }
    PainterCanvas canvas(painter, printer);
    QString failure;
    const bool printed = body(canvas, failure);
    painter.end();
    if (!printed)
        *error = failure;
    return printed;
}

} // namespace

bool runPrintCommand(QWidget* parent, const TLanguage& language, const QString& jobTitle,
                     const PrintBody& body) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, jobTitle);
    if (!dialogs().print(parent, &printer))
        return false;
    QString error;
    if (!printOn(printer, language, body, &error)) {
        dialogs().information(parent, error);
        return false;
    }
    return true;
}

void runPrintPreview(QWidget* parent, const TLanguage& language, const QString& jobTitle,
                     const PrintBody& body) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, jobTitle);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(language.Text(LK("PrintPreviewTitle")) + QStringLiteral(" - ") +
                           jobTitle);
    QString error;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) {
                         QString failure;
                         if (!printOn(*target, language, body, &failure))
                             error = failure;
                     });
    dialogs().exec(&preview);
    if (!error.isEmpty())
        dialogs().information(parent, error);
}

} // namespace korvex
