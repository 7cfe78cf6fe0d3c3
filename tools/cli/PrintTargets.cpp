#include "cli/PrintTargets.h"

namespace korvex::cli {

const QList<PrintTarget>& printTargets() {
    static const QList<PrintTarget> targets = {
        {"gmp", "", prepareGraphicPractisePrint},
        {"tmp", "", prepareTextPractisePrint},
        {"dmp", "[--record N | --from DATE --to DATE]", prepareDiaryPrint},
    };
    return targets;
}

} // namespace korvex::cli
