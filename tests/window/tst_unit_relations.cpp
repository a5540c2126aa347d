// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversions checked against relations that follow from the units' definitions, not from the
// tables: 1 J/cm is 100 N, a pound is 16 ounces, a cubic foot is 1728 cubic inches, an acre is
// 160 square perches. A wrong constant in a table shows up here whatever the table says.
#include "catalogue.h"
#include "windowsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

using namespace unitavo;
using namespace unitavo::test;

class TestUnitRelations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void results_data();
    void results();
    void relations_data();
    void relations();
};

// Results written the English way; the Italian rows take a decimal comma.
void TestUnitRelations::results_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const auto add = [](const char *tag, const char *window, const char *source, const char *target,
                         const char *expected) {
        for (const QLocale &locale : {english, italian}) {
            const bool it = locale == italian;
            const QString text = QString::fromLatin1(expected);
            QTest::addRow("%s %s", tag, it ? "it" : "en")
                << QByteArray(window) << QByteArray(source) << QByteArray(target) << locale
                << (it ? italianText(text) : text);
        }
    };
    add("N to J/cm", "frm_forze", "opt_n1", "opt_jc2", "0.01");
    add("J/cm to kg", "frm_forze", "opt_jc1", "opt_kg2", "10.1971621297793");
    add("lb/in3 to kg/m3", "frm_massavolumica", "lbinc", "kgmc2", "27679.9047102672");
    add("acre to perches", "frm_superfici", "acri", "pertiche2", "159.999999959531");
}

// One press of 1 in the core, then the same through a freshly opened window.
void TestUnitRelations::results()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const Quantity &q = quantityNamed(window);

    QCOMPARE(resultOf(run(q, {.source = source, .target = target, .locale = locale})), expected);

    QLocale::setDefault(locale);
    FailureCapture failures;
    const auto w = open(q);
    for (const QByteArray &name : {source, target}) {
        // On the indicator: a short caption leaves the right part of its button unclickable.
        auto *button = child<QRadioButton>(w.get(), QString::fromLatin1(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
        QVERIFY(button->isChecked());
    }
    QTest::mouseClick(child<QPushButton>(w.get(), QStringLiteral("btn_Calcola")), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(w.get(), QStringLiteral("txt_sol"))->text(), expected);
    QVERIFY(failures.failures.isEmpty());
}

// 1 of the source unit in the target unit, against its value by definition, within the relative
// precision of the table's least precise constant on the way: lb/ft³, oz/in³ and the acre are
// given to ten significant digits.
void TestUnitRelations::relations_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<double>("exact");
    QTest::addColumn<double>("tolerance");

    const auto row = [](const char *tag, const char *window, const char *source, const char *target,
                         double exact, double tolerance) {
        QTest::newRow(tag) << QByteArray(window) << QByteArray(source) << QByteArray(target)
                           << exact << tolerance;
    };
    row("1 J/cm is 100 N", "frm_forze", "opt_jc1", "opt_n2", 100.0, 1e-15);
    row("1 lb/in3 is 1728 lb/ft3", "frm_massavolumica", "lbinc", "lbftc2", 1728.0, 1e-9);
    row("1 oz/in3 is 1/16 lb/in3", "frm_massavolumica", "ozinc", "lbinc2", 0.0625, 1e-9);
    row("1 acre is 160 square perches", "frm_superfici", "acri", "pertiche2", 160.0, 1e-9);
}

void TestUnitRelations::relations()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(double, exact);
    QFETCH(double, tolerance);
    const QString text = resultOf(run(quantityNamed(window), {.source = source, .target = target}));
    bool ok = false;
    const double value = english.toDouble(text, &ok);
    QVERIFY2(ok, qPrintable(text));
    QVERIFY2(std::fabs(value - exact) <= tolerance * exact,
        qPrintable(QStringLiteral("%1, expected %2").arg(text).arg(exact, 0, 'g', 17)));
}

QTEST_MAIN(TestUnitRelations)
#include "tst_unit_relations.moc"
