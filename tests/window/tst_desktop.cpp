// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technologies and the desktop see of the windows: names, roles and the icon.
#include "about.h"
#include "appicon.h"
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "windowsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// Every object reachable from the interface through the children the tree gives.
void collect(QAccessibleInterface *a, QList<QObject *> &objects)
{
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface *c = a->child(i);
        if (!c)
            continue;
        QCOMPARE(a->indexOfChild(c), i);
        QCOMPARE(c->parent(), a);
        objects.append(c->object());
        collect(c, objects);
    }
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private:
    static QString accessibleName(QWidget *w)
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
    }

private slots:
    void boxesAndFramesHaveNames();
    void superscriptUnitsAreReadWhole_data();
    void superscriptUnitsAreReadWhole();
    void superscriptLabelsAreHidden_data() { addEveryWindow(); }
    void superscriptLabelsAreHidden();
    void resultIsDescribedByItsUnit();
    void linkLabelsAreLinks();
    void everyWindowCarriesTheIcon();
};

void TestDesktop::boxesAndFramesHaveNames()
{
    ConverterWindow w(quantities::forze());
    w.present();
    QCOMPARE(accessibleName(w.findChild<QLineEdit *>("txt_conv")), "Valore da convertire");
    QCOMPARE(accessibleName(w.findChild<QLineEdit *>("txt_sol")), "Risultato");
    QCOMPARE(
        accessibleName(w.findChild<QGroupBox *>("Frame1")), QString::fromUtf8("Unità di partenza"));
    QCOMPARE(
        accessibleName(w.findChild<QGroupBox *>("Frame2")), QString::fromUtf8("Unità di arrivo"));
    // A unit with no superscript is read as its caption.
    QCOMPARE(accessibleName(w.findChild<QRadioButton *>("opt_g1")), "grammo         (g)");

    ConverterWindow lengths(quantities::lunghezze());
    lengths.present();
    QCOMPARE(accessibleName(lengths.findChild<QLineEdit *>("txt_conv1_2")),
        "Numeratore della frazione di pollice");
    QCOMPARE(accessibleName(lengths.findChild<QLineEdit *>("txt_conv1_2_2")),
        "Denominatore della frazione di pollice");
    QCOMPARE(accessibleName(lengths.findChild<QLineEdit *>("txt_sol")), "Risultato");
}

void TestDesktop::superscriptUnitsAreReadWhole_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");

    QTest::newRow("kg/m3 source") << QByteArray("frm_massavolumica") << QByteArray("kgmc") << "kg/m"
                                  << QString::fromUtf8("kg/m³");
    QTest::newRow("kg/m3 target") << QByteArray("frm_massavolumica") << QByteArray("kgmc2")
                                  << "kg/m" << QString::fromUtf8("kg/m³");
    QTest::newRow("g/cc has none") << QByteArray("frm_massavolumica") << QByteArray("gcc") << "g/cc"
                                   << "g/cc";
    QTest::newRow("m2") << QByteArray("frm_superfici") << QByteArray("mq") << "m"
                        << QString::fromUtf8("m²");
    QTest::newRow("cm/sec2") << QByteArray("frm_accelerazioni") << QByteArray("cms2") << "cm/sec"
                             << QString::fromUtf8("cm/sec²");
}

void TestDesktop::superscriptUnitsAreReadWhole()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, button);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    const Quantity *q = findQuantity(window.constData());
    QVERIFY(q);
    ConverterWindow w(*q);
    w.present();
    auto *b = w.findChild<QRadioButton *>(QString::fromLatin1(button));
    QVERIFY(b);
    QCOMPARE(b->text(), caption); // the visible caption stays as it is
    QCOMPARE(accessibleName(b), name);
}

// The tree an assistive technology walks holds every unit button and box of the window but none
// of the "2" and "3" labels, which the unit names already carry.
void TestDesktop::superscriptLabelsAreHidden()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    ConverterWindow w(q);
    w.present();
    QList<QObject *> tree;
    collect(QAccessible::queryAccessibleInterface(&w), tree);
    for (QRadioButton *b : w.findChildren<QRadioButton *>())
        QVERIFY2(tree.contains(b), qPrintable(b->objectName()));
    for (QLineEdit *e : w.findChildren<QLineEdit *>())
        QVERIFY2(tree.contains(e), qPrintable(e->objectName()));
    int superscripts = 0;
    for (QLabel *l : w.findChildren<QLabel *>()) {
        const bool superscript = l->text() == QLatin1String("2") || l->text() == QLatin1String("3");
        superscripts += superscript;
        QVERIFY2(tree.contains(l) != superscript, qPrintable(l->objectName()));
    }
    int rowsWithOne = 0;
    for (const UnitRow &r : q.rows)
        rowsWithOne += r.superscript.text != nullptr;
    QCOMPARE(superscripts, 2 * rowsWithOne);
}

// After a press the result box says which unit it is in, and tells assistive technologies so; a
// failed press leaves the description, a reload starts without one.
void TestDesktop::resultIsDescribedByItsUnit()
{
    QLocale::setDefault(english);
    ConverterWindow w(quantities::lunghezze());
    w.present();
    const auto description = [&] {
        return QAccessible::queryAccessibleInterface(child(w, kResultBox))
            ->text(QAccessible::Description);
    };
    child<QRadioButton>(w, QStringLiteral("km1"))->click();
    child<QRadioButton>(w, QStringLiteral("mil2"))->click();
    QCOMPARE(description(), QString()); // not before a press
    QCOMPARE(pressWith(w, nullptr, nullptr, QStringLiteral("1")), QStringLiteral("0.6213711922"));
    QCOMPARE(description(), QStringLiteral("miglia (mil)"));

    FailureCapture failures;
    QCOMPARE(pressWith(w, nullptr, "ft2", QStringLiteral("abc")), QStringLiteral("0.6213711922"));
    QCOMPARE(failures.failures.size(), 1);
    QCOMPARE(description(), QStringLiteral("miglia (mil)"));
    w.close();
    w.present();
    QCOMPARE(description(), QString());

    // A square unit is described with its superscript.
    ConverterWindow areas(quantities::superfici());
    areas.present();
    pressWith(areas, "mq", "m2", QStringLiteral("1"));
    QCOMPARE(child(areas, kResultBox)->accessibleDescription(), QString::fromUtf8("m²"));
    QLocale::setDefault(QLocale::c());
}

void TestDesktop::linkLabelsAreLinks()
{
    QStringList opened;
    MainWindow main([&](const QString &a) { opened << a; });
    main.show();
    for (const char *name : {"Label1", "Label2"}) {
        QAccessibleInterface *a
            = QAccessible::queryAccessibleInterface(main.findChild<QLabel *>(name));
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Link);
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
        QVERIFY(a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(opened, (QStringList{webLink(), mailLink()}));
    // The buttons stay buttons.
    QCOMPARE(QAccessible::queryAccessibleInterface(main.findChild<QWidget *>("btn_Forze"))->role(),
        QAccessible::Button);
}

void TestDesktop::everyWindowCarriesTheIcon()
{
    // Set for the application, as the program does once its main window shows.
    QApplication::setWindowIcon(appIcon());
    MainWindow main([](const QString &) {});
    const QIcon icon = main.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    QCOMPARE(icon.pixmap(32).toImage(), appIcon().pixmap(32).toImage());
    ConverterWindow forze(quantities::forze());
    QCOMPARE(forze.windowIcon().pixmap(16).toImage(), icon.pixmap(16).toImage());
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
