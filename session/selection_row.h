#pragma once
// The text of one result row, shared by both application types.
//
// A row is: tab, series and ratio text (blanks kept), tab, then five cells -
// time or flow, air, cycles per minute, total air, model number - where each
// of the first four is its number text followed by a tab, and every one of
// the five is padded on the left with blanks until it measures 50 pixels in
// Arial 12 pt. The window lines them up with its tab stops.

#include <cstdint>
#include <string>

#include "selection_controls.h"

namespace zorvik {

// How a run writes its rows: for which application, in which units, with
// which decimal separator.
struct RowFormat {
    std::uint8_t applicationType = 0;  // ApplicationFlow or ApplicationFillCylinder
    bool metric = false;
    char decimalSeparator = '.';
};

// The four number texts of a row, without padding or tabs, by the format's
// application and units:
//
//   cell        flow, imperial          flow, metric                     fill (time the same in both)
//   timeOrFlow  F scfm, 2 dec (1 >= 10) F x 28.316847 nl/min, 1 (0)      F minutes, 1 dec (0 >= 10)
//   air         A scfm, 1 dec (0 >= 20) A x 28.316847/1000 n.m3/min, 2(1) A/F scfm 0 dec; metric x 28.316847/1000, 1 dec
//   cycles      0 decimals              0 decimals                       0 decimals
//   totalAir    empty                   empty                            A scf 0 dec; metric A x 28.316847/1000 n.m3, 1 dec
//
// The number of decimals is chosen on the imperial value (F < 10, A < 20)
// also when the metric value is printed. Precision 7 significant digits.
struct SelectionCells {
    std::string timeOrFlow;
    std::string air;
    std::string cycles;
    std::string totalAir;
};

SelectionCells FormatSelectionCells(double cyclesPerMin, double air, double flowOrTime, const RowFormat& format);

// The row text of a model: for the flow application cycles per minute, drive
// air use (scfm) and flow (scfm); for vessel charging average cycles per
// minute, total drive air (standard cubic feet) and fill time (minutes).
std::string FormatSelectionRow(int pumpNo, const std::string& series, const std::string& ratioText, double cyclesPerMin,
                               double air, double flowOrTime, const RowFormat& format, const TextMeasure& textWidth);

}  // namespace zorvik
