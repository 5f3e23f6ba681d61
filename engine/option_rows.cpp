#include "option_rows.h"

#include <algorithm>
#include <array>

#include "number_text.h"
#include "text.h"

namespace zorvik {
namespace {

// Models 1-3 (CRB19).
constexpr std::string_view kCrbRows[] = {
    ZORVIK_TR_NOOP("OptionRows", "       -C\tAir Controls\t1"),
    ZORVIK_TR_NOOP("OptionRows", "61301\tReceiver & Controls\t6"),
};

// Model 4 (4RBW).
constexpr std::string_view kFourRbwRows[] = {
    ZORVIK_TR_NOOP("OptionRows", "       -C\tAir (F-R, Gauge & Valve) Controls\t10"),
    ZORVIK_TR_NOOP("OptionRows", "61310\tExternal Pilot Modification\t11"),
    ZORVIK_TR_NOOP("OptionRows", "61302\tNo Load Run Away & Regulator\t12"),
    ZORVIK_TR_NOOP("OptionRows", "61311\tExtreme Service Cycling Mod\t13"),
    ZORVIK_TR_NOOP("OptionRows", "61303\tReceiver & Controls\t14"),
};

// Models 5-14 (RB, RBW, RBZ).
constexpr std::string_view kRbRows[] = {
    ZORVIK_TR_NOOP("OptionRows", "       -C\tAir (F-R, Gauge & Valve) Controls\t20"),
    ZORVIK_TR_NOOP("OptionRows", "61312\tExternal Pilot Modification\t21"),
    ZORVIK_TR_NOOP("OptionRows", "  -QP1\tExternal Pilot Modification & Air Pilot Switch\t22"),
    ZORVIK_TR_NOOP("OptionRows", "61313\tElectric Stroke Counter\t23"),
    ZORVIK_TR_NOOP("OptionRows", "61314\tMechanical Stroke Counter\t24"),
    ZORVIK_TR_NOOP("OptionRows", "61315\tThree Way Cycling Spool\t25"),
    ZORVIK_TR_NOOP("OptionRows", "61316\tSingle Stroke Modification\t26"),
    ZORVIK_TR_NOOP("OptionRows", "61317\tExtreme Service Cycling Mod\t27"),
};

// Model 8 (RBW-2) has these after the rows of models 5-14.
constexpr std::string_view kRbw2ExtraRows[] = {
    ZORVIK_TR_NOOP("OptionRows", "61318\tReceiver & Controls\t30"),
    ZORVIK_TR_NOOP("OptionRows", "61304\t125 psig Downstream Regulator\t31"),
    ZORVIK_TR_NOOP("OptionRows", "61304-1\t200 psig Downstream Regulator\t32"),
};

// Model 9 (RBW-5) has this after the rows of models 5-14.
constexpr std::string_view kRbw5ExtraRows[] = {
    ZORVIK_TR_NOOP("OptionRows", "61305\tRegulator, Air Pilot Switch, & Relief Valve\t35"),
};

// Model 15 (8RBW).
constexpr std::string_view kEightRbwRows[] = {
    ZORVIK_TR_NOOP("OptionRows", "       -C\tAir (F-R, Gauge & Valve) Controls\t40"),
    ZORVIK_TR_NOOP("OptionRows", "61319\tExternal Pilot Modification\t41"),
    ZORVIK_TR_NOOP("OptionRows", "  -QP1\tExternal Pilot Modification & Air Pilot Switch\t42"),
    ZORVIK_TR_NOOP("OptionRows", "61313\tElectric Stroke Counter\t43"),
    ZORVIK_TR_NOOP("OptionRows", "61314\tMechanical Stroke Counter\t44"),
    ZORVIK_TR_NOOP("OptionRows", "61316\tSingle Stroke Modification\t45"),
    ZORVIK_TR_NOOP("OptionRows", "61320\tExtreme Service Cycling Mod\t46"),
    ZORVIK_TR_NOOP("OptionRows", "61307\tNo Load Run Away Mod\t47"),
    ZORVIK_TR_NOOP("OptionRows", "61308\tNo Load Run Away Mod with Air Controls\t48"),
    ZORVIK_TR_NOOP("OptionRows", "61309\tReceiver & Controls\t49"),
};

constexpr std::array kIndexesWithoutDrawing = {0, 2, 3, 4, 5, 7, 11, 13, 21, 23, 24, 25, 26, 27, 41, 43, 44, 45, 46};

template <std::size_t N>
void Append(std::vector<std::string_view>& rows, const std::string_view (&table)[N]) {
    for (std::string_view row : table) rows.push_back(row);
}

}  // namespace

std::vector<std::string_view> OptionRows(int pumpNo) {
    std::vector<std::string_view> rows;
    if (pumpNo >= 1 && pumpNo <= 3) Append(rows, kCrbRows);
    if (pumpNo == 4) Append(rows, kFourRbwRows);
    if (pumpNo >= 5 && pumpNo <= 14) Append(rows, kRbRows);
    if (pumpNo == 8) Append(rows, kRbw2ExtraRows);
    if (pumpNo == 9) Append(rows, kRbw5ExtraRows);
    if (pumpNo == 15) Append(rows, kEightRbwRows);
    return rows;
}

OptionRowFields SplitOptionRow(std::string_view row) {
    OptionRowFields fields;
    const std::size_t first = row.find('\t');
    fields.partNumber = std::string(row.substr(0, first));
    if (first == std::string_view::npos) return fields;
    const std::string_view rest = row.substr(first + 1);
    const std::size_t second = rest.find('\t');
    fields.description = std::string(rest.substr(0, second));
    if (second != std::string_view::npos) fields.index = ParseWholeNumber(rest.substr(second + 1)).value_or(0);
    return fields;
}

bool OptionHasDrawing(int index) {
    return std::find(kIndexesWithoutDrawing.begin(), kIndexesWithoutDrawing.end(), index) ==
           kIndexesWithoutDrawing.end();
}

bool OptionHasDimensionUnits(int index) { return index == 6 || index == 14; }

}  // namespace zorvik
