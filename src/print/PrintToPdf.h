#pragma once

#include "print/PageCanvas.h"

namespace korvex {

// Prints `body` onto A4 pages of a PDF file. The file is written atomically: a failed job
// leaves a previous file of that name as it was. Returns false with `error` set when the
// body fails or the file cannot be written.
bool printToPdf(const QString& pdfPath, const QString& jobTitle, const PrintBody& body,
                QString* error);

} // namespace korvex
