#pragma once
// A list box tells its window about a click when the user picks a row with
// the mouse - a second click on the row already picked included, so that an
// option drawing can be shown again - or moves to a row with the keyboard.
// QListWidget reports these through two signals that overlap; this joins
// them into one call per click.

#include <functional>

class QListWidget;

namespace zorvik {

// Calls `handler` once per click on `list`; the handler reads the row from
// currentRow(), because a press is reported before the selection follows it.
// Rows the program selects itself
// report nothing as long as the list's signals are blocked meanwhile
// (QSignalBlocker).
void ConnectListClick(QListWidget* list, std::function<void()> handler);

}  // namespace zorvik
