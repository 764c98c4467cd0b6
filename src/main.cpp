#include "wizard/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A window manager or dock groups the window with its menu entry by these.
    QApplication::setApplicationName("tessel");
    QApplication::setApplicationVersion(TESSEL_VERSION);
    QGuiApplication::setDesktopFileName(TESSEL_APP_ID);
    Form1 form;
    form.show();
    return app.exec();
}
