// A language file, loaded from the installation's language folder and looked up.
#include "FuzzInstallation.h"

#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TLanguage.h"

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    saveBytes(installation.path(QStringLiteral("Language/Fuzz.txt")), fuzz::inputBytes(data, size));
    TLanguage language(installation.root(), QStringLiteral("Language"));
    if (language.LoadLanguage(QStringLiteral("Fuzz"))) {
        language.Text(QStringLiteral("AboutName"));
        language.Text(QString());
    }
    return 0;
}
