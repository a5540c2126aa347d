// Renders the main window and every converter window, after a sample conversion, to PNG files.
// Usage: unitavo_screenshots OUTPUT_DIR   (QT_QPA_PLATFORM=offscreen works without a display)
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    unitavo::MainWindow main([](const QString &) {});
    main.show();
    bool ok = main.grab().save(out.filePath(QStringLiteral("frm_conv.png")));

    for (int i = 0; i < int(unitavo::catalogue().size()); ++i) {
        unitavo::ConverterWindow *w = main.showQuantity(i);
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
