#pragma once

#include <QString>

namespace korvex {

class SharePage;
class TLanguage;
class TSettings;
class TTrainingPlan;

// A training plan or an archived plan on a shared page: its name and heading, the total
// time, a list of its practises that jumps to each, every practise with its duration,
// picture and text, the text notes, and for an archived plan the evaluation.
//
// A plan's graphic practise is drawn from its file, with the legend of what it uses; a
// text practise shows its pictures; an archived plan shows the pictures it keeps. False
// with `error` naming the file when a practise file of the plan cannot be read.
bool addTrainingPlan(SharePage& page, const TTrainingPlan& plan, TSettings& settings,
                     TLanguage& language, QString* error);

} // namespace korvex
