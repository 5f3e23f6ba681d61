#pragma once
// What the selection procedures need of the selection window, as small
// interfaces the window's Qt controls plug straight into. The procedures
// themselves know nothing of Qt: the window passes its line edits (as
// EntryField, see notices.h), the states of its two option boxes, its
// searching notice, a text measure in the font of its hidden fontSizeImage
// canvas and its notices; the command line and the tests pass stand-ins.
//
// Messages (entry errors, validation errors, the OK/Cancel question of
// vessel charging) go through those notices.

#include <functional>
#include <optional>
#include <string>

#include "gases.h"
#include "notices.h"

namespace zorvik {

// The eight entry fields of the selection window, by their control names.
// A procedure reads only the fields of its own layout (see the procedures);
// the others may be null.
struct SelectionFields {
    EntryField* pAirDrivePsiEdit = nullptr;      // air drive pressure, pressure kind
    EntryField* qAirScfmEdit = nullptr;          // drive air flow available, flow kind
    EntryField* pSupplyPsiEdit = nullptr;        // gas inlet pressure, pressure kind
    EntryField* FlowrateReqdScfmEdit = nullptr;  // required flow (flow layout), flow kind
    EntryField* pOutletPsiEdit = nullptr;        // outlet pressure (flow layout), pressure kind
    EntryField* OutStartPsiEdit = nullptr;       // initial vessel pressure (fill layout), pressure kind
    EntryField* OutFinalPsiEdit = nullptr;       // final vessel pressure (fill layout), pressure kind
    EntryField* OutCapacityFt3Edit = nullptr;    // vessel capacity (fill layout), flow kind
};

// The window's "Please wait. Searching for options...." notice. A procedure
// that passes its validation calls Show once, right before its model loop;
// the window hides the notice itself a second after the procedure returns.
class SearchingNotice {
public:
    virtual ~SearchingNotice() = default;
    virtual void Show() = 0;
};

// Width in pixels of a text in Arial 12 pt regular at 96 dpi (16 pixels
// high), as the window's fontSizeImage canvas measures it. Row cells are
// padded with blanks until they measure 50 pixels, tab included, so the
// measure must give a blank at least one pixel.
//
// A cell's tab counts with the font's own advance for it, which in Arial is
// that of a blank (4 pixels); it is not expanded to a tab stop. Qt's
// QFontMetrics::horizontalAdvance(QString) does expand tabs (to 80 pixels,
// which would stop all padding), so a Qt measure replaces each tab with a
// blank first.
using TextMeasure = std::function<int(const std::string& text)>;

// Everything a selection run takes from the window.
struct SelectionControls {
    SelectionFields fields;
    bool disableAirQtyLimitChecked = false;    // " Ignore air available setting"
    bool disableFlowrateLimitChecked = false;  // " Ignore flow rate setting"
    SearchingNotice* searchingMemo = nullptr;  // may be null: no notice
    TextMeasure textWidth;                     // measures row cells; required
    char decimalSeparator = '.';               // the system's, for the row numbers
    Notices* notices = nullptr;                // required

    // The gas boosted. Null fields leave the standard temperature and no
    // discharge limit.
    Gas gas = Gas::Air;
    EntryField* gasTemperatureEdit = nullptr;    // degF, or degC when metric
    EntryField* temperatureLimitEdit = nullptr;  // the same units; empty: no limit
    bool realGasChecked = false;                 // vessel charging: contents from the real-gas model
    // Or the temperatures already read (the command line's options), taken
    // where there is no field.
    std::optional<double> gasCelsius;
    std::optional<double> temperatureLimitCelsius;
};

}  // namespace zorvik
