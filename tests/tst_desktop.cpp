// What assistive technologies and the desktop see of the windows: names, roles and the icon.
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "windowsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace unitavo;

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
