// korvex-cli cipher IN OUT: runs the settings cipher with the built-in key. The cipher is
// symmetric, so the same command enciphers a plain Settings.def source and deciphers an
// enciphered Settings.def.
#include "cli/CliCommands.h"
#include "core/SettingsCipher.h"

namespace korvex::cli {

namespace {

int runCipher(const QStringList& args) {
    if (args.size() != 2)
        return usageOf(kCipherCommand);
    QString error;
    if (!cipherSettingsFile(args.at(0), args.at(1), &error))
        return fail(QStringLiteral("%1 -> %2: %3").arg(args.at(0), args.at(1), error));
    return kExitOk;
}

} // namespace

extern const Command kCipherCommand = {
    "cipher", "IN OUT", "enciphers or deciphers IN into OUT with the settings cipher", &runCipher};

} // namespace korvex::cli
