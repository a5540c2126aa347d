#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    unitavo::MainWindow window;
    window.show();
    // The program ends when its last window closes, whichever that is.
    return app.exec();
}
