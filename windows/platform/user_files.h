#pragma once
// Where the program keeps what belongs to one user: the user's own
// configuration folder, written; the system's configuration folders and the
// program's own folder, only read. An installed program's folder belongs to
// the system, and one user's choice must not become everybody's.

#include <QString>
#include <QStringList>

namespace zorvik {

// The user's configuration folder of this program (created when needed on
// writing), without a trailing separator.
QString UserConfigFolder();

// `name` in the user's configuration folder.
QString UserConfigFile(const QString& name);

// The user's state folder of this program, for what a run leaves for the
// next one (the job kept against a crash): $XDG_STATE_HOME/zorvik-amplifiers
// (by default ~/.local/state/zorvik-amplifiers) on Linux and other Unix
// desktops, the application's local data folder elsewhere. Not created here.
QString UserStateFolder();

// The folders a configuration file is looked for in, first wins: the user's
// configuration folder, the system's configuration folders, the program's
// folder.
QStringList ConfigSearchFolders();

// The first `name` found in ConfigSearchFolders(); empty when there is none.
QString FindConfigFile(const QString& name);

}  // namespace zorvik
