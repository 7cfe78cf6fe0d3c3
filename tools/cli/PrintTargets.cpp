#include "cli/PrintTargets.h"

namespace korvex::cli {

const QList<PrintTarget>& printTargets() {
    static const QList<PrintTarget> targets = {
        {"gmp", "", prepareGraphicPractisePrint},
        {"pmp", "[--advanced]", preparePlanPrint},
        {"pamp", "[--advanced]", preparePlanPrint},
    };
    return targets;
}

} // namespace korvex::cli
