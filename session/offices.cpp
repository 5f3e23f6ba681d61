#include "offices.h"

#include "shared_state.h"

namespace zorvik {

void InitOffices() {
    Shared.OfficeIndex = 1;
    Shared.Offices = BuiltInOffices();
}

const TAddressData& ChosenOffice() {
    const int i = Shared.OfficeIndex;
    return Shared.Offices[(i >= 0 && i < OfficeCount) ? i : 0];
}

}  // namespace zorvik
