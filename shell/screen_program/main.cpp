// ZorvikScreen03: the screen program the main program starts after three
// idle minutes. It shows the product range full screen until the user comes
// back, then tells the main program so through the named message.

#include <QApplication>

#include "shell/saver_message.h"
#include "shell/screen_program/product_show.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZorvikScreen03"));
    zorvik::ProductShow show(QString::fromLatin1(zorvik::SaverClosedMessageName));
    QObject::connect(&show, &zorvik::ProductShow::finished, &app, &QApplication::quit);
    show.showFullScreen();
    show.activateWindow();
    return QApplication::exec();
}
