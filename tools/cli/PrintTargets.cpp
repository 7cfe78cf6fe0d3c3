#include "cli/PrintTargets.h"

namespace korvex::cli {

const QList<PrintTarget>& printTargets() {
    static const QList<PrintTarget> targets = {
        {"gmp", "", prepareGraphicPractisePrint},
        {"tmp", "", prepareTextPractisePrint},
        {"pmp", "[--advanced]", preparePlanPrint},
        {"pamp", "[--advanced]", preparePlanPrint},
        {"cmp", "--player N | --list | --phones", prepareCardsPrint},
        {"dmp", "[--record N | --from DATE --to DATE]", prepareDiaryPrint},
    };
    return targets;
}

} // namespace korvex::cli
