#pragma once

namespace korvex {

class TFormKorvex;

// Connects the Tools menu's backup items (mmSaveBU*, mmLoadBU*; Tag 0 all kinds, 1..6 one
// kind by its mode number) to the backup and restore commands and enables them.
void installBackupCommands(TFormKorvex* window);

// The commands themselves, by tag.
void saveBackupCommand(TFormKorvex* window, int tag);
void loadBackupCommand(TFormKorvex* window, int tag);

} // namespace korvex
