// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The temperature, angle and velocity windows as the user meets them: one press of "Calcola" each,
// the velocity pivot kept across closing and showing the window again, the refused percent slope,
// the tab chains and the placement of the boxes.
#include "catalogue.h"
#include "converterwindow.h"
#include "twips.h"
#include "windowsupport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

QString resultText(QWidget &window)
{
    return child<QLineEdit>(window, kResultBox)->text();
}

int checkedButtons(QWidget &window)
{
    int n = 0;
    for (const QRadioButton *b : window.findChildren<QRadioButton *>())
        n += b->isChecked() ? 1 : 0;
    return n;
}

} // namespace

class TestTemperatureAngoliVelocitaWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void onePress_data();
    void onePress();
    void tabChains_data();
    void tabChains();
    void placement();
    void velocityPivotSurvivesClosing();
    void refusedSlopeLeavesTheBoxEmpty_data();
    void refusedSlopeLeavesTheBoxEmpty();
};

void TestTemperatureAngoliVelocitaWindows::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestTemperatureAngoliVelocitaWindows::onePress_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("temperature it")
        << QByteArray("frm_temperature") << QByteArray("C") << QByteArray("F2")
        << QStringLiteral("37,5") << italian << QStringLiteral("99,5");
    QTest::newRow("temperature en")
        << QByteArray("frm_temperature") << QByteArray("k") << QByteArray("C2")
        << QStringLiteral("1") << english << QStringLiteral("-272.15");
    QTest::newRow("temperature copy")
        << QByteArray("frm_temperature") << QByteArray("C") << QByteArray("C2")
        << QStringLiteral("abc") << italian << QStringLiteral("abc");
    QTest::newRow("angles it") << QByteArray("frm_angoli") << QByteArray("gp") << QByteArray("gs2")
                               << QStringLiteral("-150") << italian
                               << QStringLiteral("-56,3099324740202");
    QTest::newRow("angles en") << QByteArray("frm_angoli") << QByteArray("q") << QByteArray("gs2")
                               << QStringLiteral("1") << english
                               << QStringLiteral("90.000000000009");
    QTest::newRow("velocity it") << QByteArray("frm_velocita") << QByteArray("kmh")
                                 << QByteArray("kmmin2") << QStringLiteral("1") << italian
                                 << QStringLiteral("0,0166666666666667");
    QTest::newRow("velocity en") << QByteArray("frm_velocita") << QByteArray("kmh")
                                 << QByteArray("msec2") << QStringLiteral("36") << english
                                 << QStringLiteral("10");
}

void TestTemperatureAngoliVelocitaWindows::onePress()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    FailureCapture failures;
    const auto w = open(quantityNamed(window));
    pressWith(*w, source.constData(), target.constData(), input);
    QCOMPARE(resultText(*w), expected);
    QVERIFY(failures.failures.isEmpty());
    QCOMPARE(child<QLineEdit>(*w, kInputBox)->text(), input);
}

void TestTemperatureAngoliVelocitaWindows::tabChains_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QStringList>("chain");

    const auto chain = [](const QStringList &units) {
        // The targets carry the source names followed by 2.
        QStringList targets;
        for (const QString &u : units)
            targets << u + QLatin1Char('2');
        return tabOrder(units, targets);
    };
    QTest::newRow("temperature") << QByteArray(
        "frm_temperature") << chain(QString::fromLatin1("C F k R re").split(QLatin1Char(' ')));
    QTest::newRow("angles")
        << QByteArray("frm_angoli")
        << chain(QString::fromLatin1("gs gc m s o gp q r g se ri").split(QLatin1Char(' ')));
    QTest::newRow("velocity") << QByteArray("frm_velocita")
                              << chain(QString::fromLatin1(
                                     "kmh cmh cmmin cmsec fth ftmin ftsec kmmin kmsec nodi light "
                                     "machlm mach mh mmin msec ydh ydmin ydsec")
                                           .split(QLatin1Char(' ')));
}

// Sources from the top, the input, targets from the top, "Calcola", the result box last; the top
// source button has the focus when the window opens.
void TestTemperatureAngoliVelocitaWindows::tabChains()
{
    QFETCH(QByteArray, window);
    QFETCH(QStringList, chain);
    const auto w = open(quantityNamed(window));
    QCOMPARE(focusChain(*w, chain.first()), chain);
    QCOMPARE(w->focusWidget(), child(*w, chain.first()));
}

void TestTemperatureAngoliVelocitaWindows::placement()
{
    const auto temperature = open(quantities::temperature());
    QCOMPARE(
        child<QWidget>(*temperature, "Frame1")->geometry(), fromTwips(Rect{0, 120, 2055, 2655}));
    QCOMPARE(
        child<QWidget>(*temperature, "Frame2")->geometry(), fromTwips(Rect{2160, 120, 2055, 2655}));
    QCOMPARE(
        child<QWidget>(*temperature, kCalcola)->geometry(), fromTwips(Rect{1440, 3000, 1335, 255}));
    QCOMPARE(child<QWidget>(*temperature, kResultBox)->parentWidget()->objectName(),
        QStringLiteral("Frame2"));
    QCOMPARE(child<QWidget>(*temperature, "R2")->geometry().top(), fromTwips(1440));
    QCOMPARE(child<QRadioButton>(*temperature, "re")->text(), QStringLiteral("Rèaumur"));

    // The angle window's result box stands on the window itself, over the target frame.
    const auto angles = open(quantities::angoli());
    QWidget *result = child<QWidget>(*angles, kResultBox);
    QVERIFY(result->parentWidget() != child<QWidget>(*angles, "Frame2"));
    QCOMPARE(
        result->mapTo(angles.get(), QPoint(0, 0)), fromTwips(Rect{2520, 3000, 0, 0}).topLeft());
    QVERIFY(child<QLineEdit>(*angles, kResultBox)->isReadOnly());
    QCOMPARE(child<QWidget>(*angles, kInputBox)->geometry(), fromTwips(Rect{240, 3000, 1935, 285}));

    const auto speeds = open(quantities::velocita());
    QCOMPARE(child<QWidget>(*speeds, kInputBox)->geometry(), fromTwips(Rect{240, 4920, 1935, 285}));
    QCOMPARE(child<QWidget>(*speeds, kResultBox)->parentWidget()->objectName(),
        QStringLiteral("Frame2"));
    QCOMPARE(child<QWidget>(*speeds, "ydsec2")->geometry().top(), fromTwips(4560));
}

// The velocity pivot belongs to the window object: closing the window and showing it again brings
// back the initial controls, and a press with only a target converts the pivot kept from before.
void TestTemperatureAngoliVelocitaWindows::velocityPivotSurvivesClosing()
{
    QLocale::setDefault(english);
    FailureCapture failures;
    const auto w = open(quantities::velocita());
    pressWith(*w, "kmh", "msec2", QStringLiteral("36"));
    QCOMPARE(resultText(*w), QStringLiteral("10"));

    // No target: the pivot is updated, nothing is written.
    child<QRadioButton>(*w, "kmmin")->click();
    child<QLineEdit>(*w, kInputBox)->setText(QStringLiteral("0.6"));
    w->close();
    QVERIFY(!w->isVisible());
    w->present();
    QCOMPARE(child<QLineEdit>(*w, kInputBox)->text(), QStringLiteral("1"));
    QCOMPARE(resultText(*w), QString());
    QCOMPARE(checkedButtons(*w), 0);

    // Only a target selected: the pivot of the last conversion, 36 km/h, is converted.
    pressWith(*w, nullptr, "kmmin2", QStringLiteral("abc"));
    QCOMPARE(resultText(*w), QStringLiteral("0.6"));
    QVERIFY(failures.failures.isEmpty());

    // An overflow on the way in is reported and leaves the result box as it was.
    pressWith(*w, "light", nullptr, QStringLiteral("1E300"));
    QCOMPARE(failures.failures, QList<Failure>{Failure::OutOfRange});
    QCOMPARE(failures.windows, QList<QWidget *>{w.get()});
    QCOMPARE(resultText(*w), QStringLiteral("0.6"));
}

void TestTemperatureAngoliVelocitaWindows::refusedSlopeLeavesTheBoxEmpty_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("slope");
    QTest::newRow("150 en") << english << QStringLiteral("150");
    QTest::newRow("100,5 it") << italian << QStringLiteral("100,5");
}

// A percent slope above 100 empties the result box and ends the press: the degree target selected
// beside it writes nothing over the empty box, and no failure is reported.
void TestTemperatureAngoliVelocitaWindows::refusedSlopeLeavesTheBoxEmpty()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, slope);
    QLocale::setDefault(locale);
    FailureCapture failures;
    const auto w = open(quantities::angoli());
    pressWith(*w, "gs", "m2", QStringLiteral("1"));
    QCOMPARE(resultText(*w), QStringLiteral("60"));

    pressWith(*w, "gp", "gs2", slope);
    QCOMPARE(resultText(*w), QString());
    QVERIFY(failures.failures.isEmpty());

    // 100 percent itself is taken.
    pressWith(*w, "gp", "gs2", QStringLiteral("100"));
    QCOMPARE(resultText(*w), QStringLiteral("45"));
}

QTEST_MAIN(TestTemperatureAngoliVelocitaWindows)
#include "tst_window_presses.moc"
