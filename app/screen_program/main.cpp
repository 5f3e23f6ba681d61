// ZorvikScreen03: the screen program the main program starts after three
// idle minutes. It shows the product range full screen until the user comes
// back, then tells the main program so through the named message.

#include <QApplication>
#include <QScreen>

#include "program_language.h"
#include "system_message.h"
#include "saver_message.h"
#include "product_show.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZorvikScreen03"));
    // One show at a time: a second start while one is running ends at once.
    const zorvik::NamedSystemMessage running(QStringLiteral("ZorvikScreen03_running"));
    if (!running.IsListening()) return 0;
    // In the language the program shows, which the user may have chosen in it.
    zorvik::ProgramLanguage language;
    language.Use(zorvik::StartLanguage());
    zorvik::ProductShow show(QString::fromLatin1(zorvik::SaverClosedMessageName));
    QObject::connect(&show, &zorvik::ProductShow::finished, &app, &QApplication::quit);
    // Without a window manager a full-screen request alone leaves the window
    // at its default size, so it is given the screen's size as well.
    show.setGeometry(show.screen()->geometry());
    show.showFullScreen();
    show.activateWindow();
    return QApplication::exec();
}
