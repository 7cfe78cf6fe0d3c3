#pragma once

#include <QStringList>

class QImage;

namespace korvex {

class PageLayout;

// One page for a graphic practise: its picture at the top left (units 1..9 across, 1..5.58
// down), the name in bold beside it and the description wrapped beside and below it.
void printGraphicPractise(PageLayout& layout, const QImage& picture, const QString& name,
                          const QStringList& description);

} // namespace korvex
