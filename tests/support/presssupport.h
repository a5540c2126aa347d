// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the tests of the core: driving the press by unit names, data rows under both
// settings, and checking the rows of a units table. No widgets.

#include "catalogue.h"
#include "press.h"

#include <QTest>
#include <cstring>
#include <optional>

namespace unitavo::test {

inline const QLocale italian{QLocale::Italian, QLocale::Italy};
inline const QLocale english{QLocale::English, QLocale::UnitedStates};

// The row whose source or target button has this name; -1 for nullptr or an unknown name.
inline int rowOf(const Quantity &q, const char *button)
{
    if (!button)
        return -1;
    for (int i = 0; i < int(q.rows.size()); ++i) {
        if (std::strcmp(q.rows[i].source, button) == 0
            || std::strcmp(q.rows[i].target, button) == 0)
            return i;
    }
    return -1;
}

struct PressCase {
    const char *source = nullptr;
    const char *target = nullptr;
    QString input = QStringLiteral("1");
    QLocale locale = english;
    double held = 0.0;
    BoxTexts extra = {};
};

inline PressOutcome run(const Quantity &q, const PressCase &c)
{
    PressInput in;
    in.source = rowOf(q, c.source);
    in.target = rowOf(q, c.target);
    if (c.source && in.source < 0)
        qFatal("unknown source button %s", c.source);
    if (c.target && in.target < 0)
        qFatal("unknown target button %s", c.target);
    in.texts.append({kInputBox, c.input});
    for (const BoxText &t : c.extra)
        in.texts.append(t);
    in.heldPivot = c.held;
    in.locale = c.locale;
    return press(q, in);
}

// The text written into txt_sol, or "<failure N>" / "<unchanged>", so that one QCOMPARE shows all.
inline QString resultOf(const PressOutcome &o)
{
    if (o.failure)
        return QStringLiteral("<failure %1>").arg(int(*o.failure));
    if (auto text = o.written(kResultBox))
        return *text;
    return QStringLiteral("<unchanged>");
}

inline QString notANumber()
{
    return QStringLiteral("<failure %1>").arg(int(Failure::NotANumber));
}
inline QString outOfRange()
{
    return QStringLiteral("<failure %1>").arg(int(Failure::OutOfRange));
}
inline QString unchanged()
{
    return QStringLiteral("<unchanged>");
}

// nullptr for the empty name, which stands for no button selected in a data row.
inline const char *orNull(const QByteArray &name)
{
    return name.isEmpty() ? nullptr : name.constData();
}

// Press rows, the data of press tests: the columns source, target (button names, empty for
// none), input, locale and expected (a result text or one of the markers above), read by
// checkPress().
inline void addPressColumns()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
}

inline void addPress(const QByteArray &tag, const char *source, const char *target,
    const QString &input, const QLocale &locale, const QString &expected)
{
    QTest::newRow(tag.constData())
        << QByteArray(source) << QByteArray(target) << input << locale << expected;
}

// English number text in, the same text with a decimal comma out (the markers have no point).
inline QString italianText(QString english)
{
    return english.replace(QLatin1Char('.'), QLatin1Char(','));
}

// Where addBoth() puts "en" and "it" in the row names: "tag en" or "en tag".
enum class LocaleTag { After, Before };

// One press row under English settings and the same under Italian ones: input and expected are
// written the English way, and every decimal point becomes a comma for the Italian row.
inline void addBoth(const QByteArray &tag, const char *source, const char *target,
    const QString &input, const QString &expected, LocaleTag where = LocaleTag::After)
{
    const auto name = [&](const char *locale) -> QByteArray {
        return where == LocaleTag::Before ? locale + (' ' + tag) : tag + ' ' + locale;
    };
    addPress(name("en"), source, target, input, english, expected);
    addPress(name("it"), source, target, italianText(input), italian, italianText(expected));
}

// What checkPress() also asks of a failed press.
enum class FailedPress { Unchecked, WritesNoResult };

// Runs the press of the current press row on q and compares the result with "expected".
inline void checkPress(const Quantity &q, FailedPress failed = FailedPress::Unchecked)
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const PressOutcome o = run(
        q, {.source = orNull(source), .target = orNull(target), .input = input, .locale = locale});
    QCOMPARE(resultOf(o), expected);
    if (failed == FailedPress::WritesNoResult && o.failure)
        QVERIFY(!o.written(kResultBox));
}

// The caption of the named source or target button, as its row gives it for that side.
inline std::optional<QString> captionOf(const Quantity &q, const char *button)
{
    const int row = rowOf(q, button);
    if (row < 0)
        return std::nullopt;
    const UnitRow &r = q.rows[row];
    return QString::fromUtf8(r.captionFor(std::strcmp(button, r.source) == 0));
}

// Caption rows: a button, its caption and the caption's length (its runs of blanks count).
inline void addCaptionColumns()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("length");
}

inline void addCaption(const char *button, const char *caption, int length)
{
    QTest::newRow(button) << QByteArray(button) << QString::fromUtf8(caption) << length;
}

// The caption of the current caption row's button in q.
inline void checkCaption(const Quantity &q)
{
    QFETCH(QByteArray, button);
    QFETCH(QString, caption);
    QFETCH(int, length);
    const std::optional<QString> actual = captionOf(q, button.constData());
    QVERIFY(actual);
    QCOMPARE(*actual, caption);
    QCOMPARE(actual->size(), length);
}

// A unit converted by one factor: times k (held as `holding`) out of the pivot, a division by
// the double k into it.
inline void verifyOneFactor(const UnitRow &r, int holding)
{
    QCOMPARE(r.outOf.steps.count, 1);
    QCOMPARE(r.outOf.steps.steps[0].op, Op::Multiply);
    QCOMPARE(int(r.outOf.steps.steps[0].k.holding), holding);
    QCOMPARE(r.into.steps.count, 1);
    QCOMPARE(r.into.steps.steps[0].op, Op::Divide);
    QCOMPARE(r.into.steps.steps[0].k.holding, Holding::Double);
    QCOMPARE(r.into.steps.steps[0].k.value(), r.outOf.steps.steps[0].k.value());
}

// One unit of a table whose caption is the same on both sides, as a test expects it: names,
// caption, top and widths in twips; toPivot is 1 of the unit in the pivot unit, fromPivot 1 of
// the pivot unit in this one (number texts written the English way).
struct UnitCase {
    const char *source;
    const char *target;
    const char *caption;
    int top;
    int sourceWidth;
    int targetWidth;
    const char *toPivot;
    const char *fromPivot;
};

// The row of a units table against what the test expects of it; height in twips.
inline void verifyUnitRow(const UnitRow &row, const UnitCase &u, int height)
{
    QCOMPARE(row.source, u.source);
    QCOMPARE(row.target, u.target);
    QCOMPARE(row.captionFor(true), u.caption);
    QCOMPARE(row.captionFor(false), u.caption);
    QCOMPARE(row.top, u.top);
    QCOMPARE(row.height, height);
    QCOMPARE(row.widthFor(true), u.sourceWidth);
    QCOMPARE(row.widthFor(false), u.targetWidth);
}

// The pivot unit's buttons, and the name that stands for it in row names.
struct PivotUnit {
    const char *tag;
    const char *source;
    const char *target;
};

// The rows of each unit of a table with a per-press pivot: 1 into the pivot unit and 1 of the
// pivot unit out into it, to itself, no source (the empty pivot; noSource is its result), no
// target, and input that is no number.
inline void addUnitRows(const PivotUnit &pivot, const UnitCase &u, const QString &noSource)
{
    const QByteArray name(u.source);
    const QByteArray pivotName(pivot.tag);
    addBoth(name + " to " + pivotName, u.source, pivot.target, QStringLiteral("1"),
        QLatin1String(u.toPivot));
    if (name != pivotName) // for the pivot unit itself, the row above under the same name
        addBoth(pivotName + " to " + name, pivot.source, u.target, QStringLiteral("1"),
            QLatin1String(u.fromPivot));
    addBoth(name + " to itself", u.source, u.target, QStringLiteral("1"), QStringLiteral("1"));
    addBoth("no source to " + name, nullptr, u.target, QStringLiteral("1"), noSource);
    addBoth("no target from " + name, u.source, nullptr, QStringLiteral("1"), unchanged());
    // Every source reads its input as a number, the pivot unit's too.
    addBoth(name + " abc", u.source, u.target, QStringLiteral("abc"), notANumber());
    addBoth(name + " empty, no target", u.source, nullptr, QString(), notANumber());
}

// The quantity whose window has this object name; stops the test run for an unknown name.
inline const Quantity &quantityNamed(const QByteArray &window)
{
    const Quantity *q = findQuantity(window.constData());
    if (!q)
        qFatal("no quantity %s", window.constData());
    return *q;
}

} // namespace unitavo::test
