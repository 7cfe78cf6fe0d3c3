#include "print/PrintToPdf.h"

#include "core/SafeSave.h"
#include "print/PainterCanvas.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace korvex {

namespace {

constexpr int kPdfDotsPerInch = 300;

} // namespace

bool printToPdf(const QString& pdfPath, const QString& jobTitle, const PrintBody& body,
                QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString failure;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(jobTitle);
        writer.setCreator(QStringLiteral("Korvex"));
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = QStringLiteral("The PDF file could not be started.");
            return false;
        }
        PainterCanvas canvas(painter, writer);
        const bool printed = body(canvas, failure);
        painter.end();
        if (!printed) {
            if (error)
                *error = failure;
            return false;
        }
    }
    return saveBytes(pdfPath, bytes, error);
}

} // namespace korvex
