// A full backup bundle restored into the temporary installation.
#include "FuzzInstallation.h"

#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    const QString file =
        installation.writeScratch(QStringLiteral("fuzz.abp"), fuzz::inputBytes(data, size));
    const InstallationFolders folders = InstallationFolders::fromSettings(installation.settings());
    FixedBackupDecider decider(true);
    FullBackupHooks hooks;
    hooks.decider = [&decider](BackupKind) { return &decider; };
    hooks.rewriter = [&installation](BackupKind kind) {
        return practiseRewriter(kind, installation.settings(), installation.language());
    };
    restoreFullBackup(folders, file, hooks);
    installation.resetDataFolders();
    return 0;
}
