#pragma once

#include "storage/BackupKinds.h"

namespace korvex::test {

// The folders of a test installation at `root`, as the shipped Settings.txt names them.
inline InstallationFolders foldersAt(const QString& root) {
    InstallationFolders folders;
    folders.root = root;
    folders.graphic = QStringLiteral("GraphicPractises");
    folders.text = QStringLiteral("TextPractises");
    folders.plans = QStringLiteral("TrainingPlans");
    folders.cards = QStringLiteral("PlayerCards");
    folders.diary = QStringLiteral("Diaries");
    folders.version = 141;
    return folders;
}

} // namespace korvex::test
