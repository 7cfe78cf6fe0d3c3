#include "cli/PrintTargets.h"

namespace korvex::cli {

const QList<PrintTarget>& printTargets() {
    static const QList<PrintTarget> targets = {
        {"gmp", "", prepareGraphicPractisePrint},
        {"tmp", "", prepareTextPractisePrint},
    };
    return targets;
}

} // namespace korvex::cli
