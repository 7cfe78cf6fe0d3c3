#pragma once

#include "print/PageCanvas.h"

class QWidget;

namespace korvex {

class TLanguage;

// Prints `body` on the printer the user chooses in the system print dialog (which also
// prints into a PDF file). Cancelling prints nothing and begins no job. A body that fails
// (a missing picture) ends the job begun and its error is reported. True when printed.
bool runPrintCommand(QWidget* parent, const TLanguage& language, const QString& jobTitle,
                     const PrintBody& body);

// Shows the pages of `body` exactly as they will print, with Print (and Save as PDF
// through the print dialog) from there.
void runPrintPreview(QWidget* parent, const TLanguage& language, const QString& jobTitle,
                     const PrintBody& body);

} // namespace korvex
