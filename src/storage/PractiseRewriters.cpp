#include "storage/PractiseRewriters.h"

#include "core/TSettings.h"
#include "storage/TGraphicPractise.h"

#include <memory>

namespace korvex {

ItemRewriter practiseRewriter(BackupKind kind, TSettings& settings, TLanguage& language) {
    if (kind != BackupKind::Graphic)
        return defaultItemRewriter(kind, InstallationFolders::fromSettings(settings));
    // One practise object serves every item of the restore.
    auto practise = std::make_shared<TGraphicPractise>(settings, language);
    return [practise](const QString& stem, QString* error) {
        if (!practise->Load(stem) || practise->isSaveRefused()) {
            *error = practise->isSaveRefused() && practise->errorString().isEmpty()
                         ? QStringLiteral("the practise file is not read by this program; it is "
                                          "kept as it is")
                         : practise->errorString();
            return false;
        }
        if (!practise->Save(stem)) {
            *error = practise->errorString();
            return false;
        }
        return true;
    };
}

} // namespace korvex
