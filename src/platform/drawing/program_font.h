#pragma once
// The program's face: the one the windows' designed sizes and the chart's day columns are made
// for, and how much the chart's text is narrowed to fit its columns.
#include <QFont>

namespace tw::platform {

// A face with Arial's widths (Liberation Sans or another metric twin), else the system's sans
// serif.
QFont programFont(double points);

// How much the chart's text is narrowed (1 = not at all) so that a bold two-letter weekday fits
// its 275-twip day column, as wide faces such as DejaVu Sans would overrun it. The text is
// drawn in the program's face, scaled across: a stretched face would be one more face to load.
double chartTextScale();

}  // namespace tw::platform
