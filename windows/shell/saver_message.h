#pragma once

namespace zorvik {

// The named message with which the screen program tells the main window that
// it has ended, so that the idle count starts again.
inline constexpr const char* SaverClosedMessageName = "Zorvik02_SSclosed";

}  // namespace zorvik
