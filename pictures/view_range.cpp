#include "view_range.h"

namespace zorvik {
namespace {

// clang-format off
constexpr FixedAxisRange kViewerFixedRanges[] = {
//   model outlet  flow  at least
    {1,    350,    6,    false},
    {2,    450,    4,    false},
    {3,    550,    3,    false},
    {4,    250,    40,   true},
    {15,   250,    225,  true},
};
// clang-format on

}  // namespace

GraphAxisRange SelectionViewRange() { return AxisRangeWith(kViewerFixedRanges); }

}  // namespace zorvik
