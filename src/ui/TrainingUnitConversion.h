#pragma once

#include <QString>

namespace korvex {

// Older installations kept training plans as {app}/Training unit/{team}/{number}/{name}.ump.
// This moves every such plan into the training archive as
// {app}/{tpSaveDir}/Archive/{team}/{name}.pamp; when that name is taken, the position of
// {number} in its team's folder list is appended to the name. A source file is deleted
// only after its copy succeeded, and emptied folders are removed. Without a
// "Training unit" folder nothing happens. Failures leave the data where it was.
void convertTrainingUnits(const QString& appDir, const QString& tpSaveDir);

} // namespace korvex
