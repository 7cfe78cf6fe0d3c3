#pragma once

#include <QDate>
#include <QString>

namespace korvex {

// The day a plan's free date text names, where it can be read: "2026-10-14", "14.10.2026",
// "14. 10. 2026", "14/10/2026" (day first, as coaches here write it), "14.10.26" (years
// 00..99 taken as 2000..2099); text around the date ("Tue 14.10.2026 ice 2") is allowed.
// An invalid QDate when no real day is found.
QDate parsePlanDate(const QString& text);

} // namespace korvex
