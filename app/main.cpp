#include "app/mainwindow.h"
#include "converter/ui.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(unitavo::appIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.unitavo.Unitavo"));
    unitavo::MainWindow window;
    window.show();
    // The program ends when its last window closes, whichever that is.
    return app.exec();
}
