#pragma once

#include "storage/BackupKinds.h"

namespace korvex {

class TLanguage;
class TSettings;

// The load-and-save rewrite of restored items for every kind, including graphic
// practises, whose pictures are made again from their data file by the renderer (a
// graphic backup holds the data files only). `settings` and `language` must outlive the
// returned function.
ItemRewriter practiseRewriter(BackupKind kind, TSettings& settings, TLanguage& language);

} // namespace korvex
