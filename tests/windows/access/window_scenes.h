#pragma once
// Every window of the program as a user meets it - the menu windows, the
// selection window in both layouts and with a list, the comparison, the graph
// window with a drawing and with a chart, its two dialogs, the picture viewer
// and a chart's table - shown offscreen one at a time, on windows made as
// the program makes them.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app_windows.h"
#include "session.h"

namespace zorvik::testing {

struct WindowScene {
    const char* name;
    // Shows the window in the state the scene names and hands it back.
    std::function<QWidget*(AppWindows&)> open;
};

const std::vector<WindowScene>& WindowScenes();

// The windows of a run, made once for the test program on a session that
// outlives them, and gone before the application object is.
AppWindows& SceneWindows();
Session& SceneSession();

// What a screen reader says a control is: its accessible name; for a combo
// box, whose accessible name is its choice, the name given to it or the
// text of its label.
QString SpokenName(QWidget* w);

// The controls the Tab key visits, once round from the window's first,
// each named by its object name or, without one, by its accessible name. A
// spin box's own line edit is the spin box.
QStringList TabChain(QWidget* window);

// Shows a scene's window, active, with the events settled; hides every other
// top-level window first.
QWidget* OpenScene(const WindowScene& scene);

}  // namespace zorvik::testing
