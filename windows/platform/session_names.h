#pragma once
// Names that belong to one user's desktop session. Two users on one machine,
// or one user logged in on two displays, each get their own, so no session
// can block or signal the programs of another.

#include <QString>

namespace zorvik {

// Where the local socket of the named message `message` lives. On Unix a
// socket file in the user's runtime folder, its name carrying the display;
// elsewhere the bare name, which the system already keeps per session.
QString SessionSocketName(const QString& message);

}  // namespace zorvik
