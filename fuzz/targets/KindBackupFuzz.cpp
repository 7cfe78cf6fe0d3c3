// A kind backup restored into the temporary installation, replacing what exists. The first
// byte picks the kind; the rest is the backup file. Every practise written is loaded and
// saved again as a restore in the program does.
#include "FuzzInstallation.h"

#include "storage/BackupKinds.h"
#include "storage/KindBackup.h"
#include "storage/PractiseRewriters.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    if (size < 1)
        return 0;
    const QList<BackupKind> kinds = fullBackupOrder();
    const BackupKind kind = kinds[data[0] % kinds.size()];
    QByteArray bytes = fuzz::inputBytes(data + 1, size - 1);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    FixedBackupDecider decider(true);
    RestoreOptions options =
        restoreOptionsFor(kind, InstallationFolders::fromSettings(installation.settings()));
    options.decider = &decider;
    options.rewrite = practiseRewriter(kind, installation.settings(), installation.language());
    restoreKindBackup(&buffer, QStringLiteral("fuzz") + kindBackupExtension(kind), options);
    installation.resetDataFolders();
    return 0;
}
