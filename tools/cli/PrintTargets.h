#pragma once

#include "print/PageCanvas.h"

#include <QStringList>

namespace korvex {
class TLanguage;
class TSettings;
} // namespace korvex

namespace korvex::cli {

// What korvex-cli print hands to the printout of one kind of file.
struct PrintRequest {
    QString file;        // the stored item to print
    QString appDir;      // the installation that holds it
    QStringList options; // the command's options after FILE and OUT.pdf
    TSettings& settings;
    TLanguage& language;
};

// A prepared printout: its job title and the body that prints it.
struct PrintJob {
    QString title;
    PrintBody body;
};

// One kind of file korvex-cli print knows. `prepare` loads the item and fills `job`, or
// returns false with `error` set (unreadable file, unknown option).
struct PrintTarget {
    const char* extension; // without the dot, compared without regard to case
    const char* options;   // for the usage text
    bool (*prepare)(const PrintRequest& request, PrintJob* job, QString* error);
};

// Every kind korvex-cli print knows, one row each; each printout lives in a file of its own.
const QList<PrintTarget>& printTargets();

bool prepareGraphicPractisePrint(const PrintRequest& request, PrintJob* job, QString* error);
bool prepareTextPractisePrint(const PrintRequest& request, PrintJob* job, QString* error);
bool preparePlanPrint(const PrintRequest& request, PrintJob* job, QString* error);
bool prepareCardsPrint(const PrintRequest& request, PrintJob* job, QString* error);
bool prepareDiaryPrint(const PrintRequest& request, PrintJob* job, QString* error);

} // namespace korvex::cli
