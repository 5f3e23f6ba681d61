#pragma once
// The limit texts of the adjust dialog and the data sheet: a pressure in
// barg and psig side by side, rounded to 5 significant digits, with the
// system's decimal separator.

#include <QString>

#include "text.h"

namespace zorvik {

// psig / 14.50377 with one decimal and " barg": 125 psig is "8.6 barg".
QString BarLimitText(double psi, const Translator* reader);

// "( " + whole psig + " psig )": "( 125 psig )".
QString PsiLimitText(double psi, const Translator* reader);

}  // namespace zorvik
