// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every converter window shares, one row per window of the catalogue: how it opens, where its
// unit buttons stand and the order Tab follows. What a window adds is tested in
// tst_window_layouts, tst_window_presses and tst_lunghezze_window.
#include "catalogue.h"
#include "converterwindow.h"
#include "twips.h"
#include "windowsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

class TestConverterWindows : public QObject {
    Q_OBJECT

private slots:
    void openingState_data() { addEveryWindow(); }
    void openingState();
    void unitRows_data() { addEveryWindow(); }
    void unitRows();
    void tabChain_data();
    void tabChain();
};

// Input 1, an empty read-only result, Calcola, and no unit selected.
void TestConverterWindows::openingState()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    QCOMPARE(w->objectName(), QString::fromLatin1(q.name));
    QCOMPARE(child<QLineEdit>(*w, kInputBox)->text(), QStringLiteral("1"));
    QVERIFY(!child<QLineEdit>(*w, kInputBox)->isReadOnly());
    QCOMPARE(child<QLineEdit>(*w, kResultBox)->text(), QString());
    QVERIFY(child<QLineEdit>(*w, kResultBox)->isReadOnly());
    QCOMPARE(child<QPushButton>(*w, QLatin1String(kCalcola))->text(), QStringLiteral("Calcola"));
    for (QRadioButton *b : w->findChildren<QRadioButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
}

// Each row stands at its height in both frames, its buttons in the frames of their sides.
void TestConverterWindows::unitRows()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    QCOMPARE(w->findChildren<QRadioButton *>().size(), qsizetype(2 * q.rows.size()));
    for (const UnitRow &row : q.rows) {
        for (const bool sourceSide : {true, false}) {
            const char *name = sourceSide ? row.source : row.target;
            const QRadioButton *b = child<QRadioButton>(w.get(), QLatin1String(name));
            QCOMPARE(b->parentWidget()->objectName(),
                QLatin1String(sourceSide ? q.sourceFrame : q.targetFrame));
            QCOMPARE(b->x(), fromTwips(120));
            QCOMPARE(b->y(), fromTwips(row.top));
        }
    }
}

// Every window without text boxes of its own (those of the lengths window are checked in
// tst_lunghezze_window).
void TestConverterWindows::tabChain_data()
{
    QTest::addColumn<QByteArray>("window");
    for (const Quantity *q : catalogue()) {
        bool extraBoxes = false;
        for (const ExtraControl &extra : q->extras)
            extraBoxes = extraBoxes || extra.kind == ExtraControl::Kind::TextBox;
        if (!extraBoxes)
            QTest::newRow(q->name) << QByteArray(q->name);
    }
}

// Tab goes through the sources top to bottom, the input, the targets, Calcola and the result,
// then the controls the window moves to the end; the top source holds the focus.
void TestConverterWindows::tabChain()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget *top = child<QRadioButton>(w.get(), QLatin1String(q.rows[0].source));
    QCOMPARE(QApplication::focusWidget(), top);

    QStringList sources;
    QStringList targets;
    for (const UnitRow &row : q.rows) {
        sources << QLatin1String(row.source);
        targets << QLatin1String(row.target);
    }
    QStringList chain = tabOrder(sources, targets);
    for (const char *name : q.tabTail) {
        QVERIFY(chain.removeOne(QLatin1String(name)));
        chain << QLatin1String(name);
    }
    QCOMPARE(focusChain(*w, top->objectName()), chain);
}

QTEST_MAIN(TestConverterWindows)
#include "tst_converter_windows.moc"
