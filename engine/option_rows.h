#pragma once
// The accessory options of each model as the graph window's option list
// shows them: part number, description and option index, tab-separated.
// The index picks the drawing (see DrawOptionDrawing). The rows are English;
// the window translates each whole row in the context "OptionRows", and a
// translation keeps its part number and index.

#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// The option rows of model `pumpNo`, in list order; none for a number
// outside 1..15.
std::vector<std::string_view> OptionRows(int pumpNo);

struct OptionRowFields {
    std::string partNumber;   // before the first tab
    std::string description;  // between the first and second tab
    int index = 0;            // the rest as a whole number; 0 when it is not one
};

// Splits an option row at its tabs.
OptionRowFields SplitOptionRow(std::string_view row);

// False for the options that have no drawing of their own: choosing one
// only redraws what the window shows.
bool OptionHasDrawing(int index);

// The two option drawings whose dimensions follow the mm/inch choice.
bool OptionHasDimensionUnits(int index);

}  // namespace zorvik
