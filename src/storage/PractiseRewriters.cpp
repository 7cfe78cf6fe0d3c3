#include "storage/PractiseRewriters.h"

#include "core/TSettings.h"
#include "storage/TGraphicPractise.h"

#include <QFileInfo>

#include <memory>

namespace korvex {

ItemRewriter practiseRewriter(BackupKind kind, TSettings& settings, TLanguage& language) {
    if (kind != BackupKind::Graphic)
        return defaultItemRewriter(kind, InstallationFolders::fromSettings(settings));
    // One practise object serves every item of the restore. The practise is read from the
    // restored bytes and its three files are made in memory: the picture and thumbnail
    // are drawn once, and nothing is read back from the disk.
    auto practise = std::make_shared<TGraphicPractise>(settings, language);
    ItemRewriter rewriter;
    rewriter.rewrite = [practise](const QString& stem, const QByteArray& stored,
                                  QList<FileBytes>* files, QString* error) {
        const QString dataFile = stem + QStringLiteral(".gmp");
        if (!practise->LoadBytes(stored, dataFile) || practise->isSaveRefused()) {
            *error = practise->isSaveRefused() && practise->errorString().isEmpty()
                         ? QStringLiteral("the practise file is not read by this program; it is "
                                          "kept as it is")
                         : practise->errorString();
            return false;
        }
        if (!practise->SaveBytes(stem, files)) {
            *error = practise->errorString();
            return false;
        }
        return true;
    };
    // A practise kept as it is whose picture or thumbnail is missing gets them drawn
    // again (loading does that).
    rewriter.complete = [practise](const QString& stem) {
        if (QFileInfo::exists(stem + QStringLiteral(".jpg")) &&
            QFileInfo::exists(stem + QStringLiteral("Small.jpg")))
            return QString();
        practise->Load(stem);
        return practise->loadWarning();
    };
    return rewriter;
}

} // namespace korvex
