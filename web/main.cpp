// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"
#include "fonts.h"
#include "instance.h"
#include "mainwindow.h"
#include "webpage.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The face the layout is drawn in; the browser offers Qt no fonts of its own.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    // The windows' captions set their own fonts; the title bars and message boxes, drawn with the
    // application's, take the same.
    QApplication::setFont(unitavo::defaultFont());
    QApplication::setWindowIcon(unitavo::appIcon());
    unitavo::web::installWindowing();

    // In the browser exec() hands control back to the page and main() never ends: the windows
    // live on the heap, for as long as the page.
    auto *window = new unitavo::MainWindow(unitavo::web::openLink);
    auto *instance = new unitavo::Instance(*window);
    unitavo::web::serveApi(*window);
    window->show();
    unitavo::web::openFromAddress(*instance);
    return QApplication::exec();
}
