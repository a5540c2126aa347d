// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window and every converter window, after a sample conversion, to PNG files.
// Usage: unitavo_screenshots OUTPUT_DIR [--dark]   (QT_QPA_PLATFORM=offscreen works without a
// display; QT_SCALE_FACTOR=2 renders them at twice the size, --dark under a dark Fusion palette)
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

namespace {

// A dark palette as dark desktop themes set it, leaving the link colour at Qt's blue.
QPalette darkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x23, 0x23, 0x23);
    const QColor text(0xee, 0xee, 0xee);
    QPalette p(text, window);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return p;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool dark = argc == 3 && std::strcmp(argv[2], "--dark") == 0;
    if (argc < 2 || (argc == 3 && !dark) || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [--dark]\n", argv[0]);
        return 2;
    }
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    unitavo::MainWindow main([](const QString &) {});
    main.show();
    bool ok = main.grab().save(out.filePath(QStringLiteral("frm_conv.png")));

    for (const unitavo::Quantity *quantity : unitavo::catalogue()) {
        unitavo::ConverterWindow *w = main.showQuantity(*quantity);
        // A sample conversion: the second unit on the left to the first on the right.
        const auto buttons = [&](bool source) {
            QList<QRadioButton *> list;
            for (const unitavo::UnitRow &row : w->quantity().rows)
                list << w->findChild<QRadioButton *>(
                    QLatin1String(source ? row.source : row.target));
            return list;
        };
        const auto sources = buttons(true);
        const auto targets = buttons(false);
        if (sources.size() > 1)
            sources[1]->click();
        if (!targets.isEmpty())
            targets[0]->click();
        w->calcola();
        ok = w->grab().save(out.filePath(w->objectName() + QStringLiteral(".png"))) && ok;
    }
    return ok ? 0 : 1;
}
