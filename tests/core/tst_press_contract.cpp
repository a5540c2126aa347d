// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the press keeps in every window, one row per unit of every quantity in the catalogue: no
// target writes nothing, no source reads no text, and a typed number beyond the double range is
// reported. What a quantity adds is in its own tst_<quantity>.
#include "catalogue.h"
#include "presssupport.h"

using namespace unitavo;
using namespace unitavo::test;

namespace {

// The row of a per-press window that keeps the typed text as its pivot, or -1.
int textPivotRow(const Quantity &q)
{
    if (q.pivot != PivotKind::PerPress)
        return -1;
    for (int i = 0; i < int(q.rows.size()); ++i) {
        if (q.rows[i].into.asIs && !q.rows[i].into.hook)
            return i;
    }
    return -1;
}

void addQuantityColumns()
{
    QTest::addColumn<QByteArray>("quantity");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QLocale>("locale");
}

void addUnitRow(const Quantity &q, const char *unit, const QLocale &locale)
{
    QTest::addRow("%s %s %s", q.id, unit ? unit : "none", locale == italian ? "it" : "en")
        << QByteArray(q.id) << QByteArray(unit) << locale;
}

const Quantity &quantityOf(const QByteArray &id)
{
    const Quantity *q = findQuantityById(QString::fromLatin1(id));
    if (!q)
        qFatal("no quantity %s", id.constData());
    return *q;
}

} // namespace

class TestPressContract : public QObject {
    Q_OBJECT

private slots:
    // Every source and none.
    void noTarget_data()
    {
        addQuantityColumns();
        for (const Quantity *q : catalogue()) {
            for (const QLocale &locale : {english, italian}) {
                for (const UnitRow &row : q->rows)
                    addUnitRow(*q, row.source, locale);
                addUnitRow(*q, nullptr, locale);
            }
        }
    }
    void noTarget()
    {
        QFETCH(QByteArray, quantity);
        QFETCH(QByteArray, unit);
        QFETCH(QLocale, locale);
        const Quantity &q = quantityOf(quantity);
        QCOMPARE(resultOf(run(
                     q, {.source = orNull(unit), .input = QStringLiteral("2"), .locale = locale})),
            unchanged());
    }

    // Every target: the typed text is not read, and a per-press window converts the empty pivot
    // as it converts 0 typed for its pivot unit, but for the unit that copies the pivot, which
    // gets the empty text.
    void noSource_data()
    {
        addQuantityColumns();
        for (const Quantity *q : catalogue()) {
            for (const UnitRow &row : q->rows)
                addUnitRow(*q, row.target, italian);
        }
    }
    void noSource()
    {
        QFETCH(QByteArray, quantity);
        QFETCH(QByteArray, unit);
        QFETCH(QLocale, locale);
        const Quantity &q = quantityOf(quantity);
        const PressOutcome typed = run(
            q, {.target = unit.constData(), .input = QStringLiteral("abc"), .locale = locale});
        QVERIFY(!typed.failure);
        QCOMPARE(resultOf(typed),
            resultOf(run(
                q, {.target = unit.constData(), .input = QStringLiteral("7"), .locale = locale})));
        const int pivot = textPivotRow(q);
        if (pivot < 0)
            return;
        const UnitRow &to = q.rows[rowOf(q, unit.constData())];
        if (to.outOf.asIs && !to.outOf.hook) {
            QCOMPARE(resultOf(typed), QString());
        } else {
            QCOMPARE(resultOf(typed),
                resultOf(run(q,
                    {.source = q.rows[pivot].source,
                        .target = unit.constData(),
                        .input = QStringLiteral("0"),
                        .locale = locale})));
        }
    }

    // Every source that reads the typed text as a number, with its own row's target and none.
    void typedOverflow_data()
    {
        addQuantityColumns();
        for (const Quantity *q : catalogue()) {
            for (const QLocale &locale : {english, italian}) {
                for (const UnitRow &row : q->rows) {
                    if (!row.into.asIs)
                        addUnitRow(*q, row.source, locale);
                }
            }
        }
    }
    void typedOverflow()
    {
        QFETCH(QByteArray, quantity);
        QFETCH(QByteArray, unit);
        QFETCH(QLocale, locale);
        const Quantity &q = quantityOf(quantity);
        const char *target = q.rows[rowOf(q, unit.constData())].target;
        for (const char *t : {target, static_cast<const char *>(nullptr)}) {
            QCOMPARE(resultOf(run(q,
                         {.source = unit.constData(),
                             .target = t,
                             .input = QStringLiteral("1E400"),
                             .locale = locale})),
                outOfRange());
        }
    }
};

QTEST_GUILESS_MAIN(TestPressContract)
#include "tst_press_contract.moc"
