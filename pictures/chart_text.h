#pragma once
// The numbers the performance chart writes, each in its own fixed format,
// with the reader's decimal separator and words (`reader`: the
// picture's translator, English with "." for none).

#include <QString>

#include "text.h"

namespace zorvik {

// FormatFixed with the reader's decimal separator.
QString ChartNumber(double value, int precision, int decimals, const Translator* reader);

// A tick label or a psi value shown as a whole number (truncated).
QString ChartWholeNumber(double value, const Translator* reader);

// "Air drive pressure  90 Psig", or "... 6.2 barg" (drive / 14.5) on the
// bar chart. The chart's box shows it, and so does the graph window's
// DrivePressurePanel.
QString DrivePressureCaption(double airDrivePsi, bool barMode, const Translator* reader);

// Label of an inlet curve: whole psig, or barg with one decimal below
// 1450 psig (100 barg) and none above.
QString InletLabelText(double inletPsi, bool barMode, const Translator* reader);

// Label of an air-use line of models 1-4 and 15: scfm with one decimal, or
// Nm3/min = scfm x 28.317 / 1000 with two.
QString LineLabelText(double airUseScfm, bool barMode, const Translator* reader);

// Tag of air-use level k of models 5-14 (10 x k scfm): a whole number, or
// Nm3/min = 10 x k x 28.317 x 0.88286 / 1000 with two decimals.
QString AirUseTagText(int level, bool barMode, const Translator* reader);

// The duty point's label: "Duty: 40 % speed, 37.2 scfm air", or the air
// in Nm3/min = scfm x 28.317 / 1000 with two decimals.
QString DutyLabelText(double speedPercent, double driveAirScfm, bool barMode, const Translator* reader);

}  // namespace zorvik
