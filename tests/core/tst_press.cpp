// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The press's own bookkeeping: which box a text belongs to, and what it reads while it runs.
#include "presssupport.h"

#include <QTest>
#include <type_traits>

using namespace unitavo;
using namespace unitavo::test;

// A context reads its input through the whole press: a temporary input would dangle.
static_assert(std::is_constructible_v<PressContext, const PressInput &>);
static_assert(!std::is_constructible_v<PressContext, PressInput &&>);

class TestPress : public QObject {
    Q_OBJECT

private slots:
    void boxNamesCompareBySpelling();
    void contextReadsItsOwnWritesFirst();
};

void TestPress::boxNamesCompareBySpelling()
{
    // The same name from other storage than the constant's is the same box.
    const QByteArray stored("txt_sol");
    QVERIFY(BoxName(stored.constData()) == kResultBox);
    QVERIFY(BoxName("txt_so") != kResultBox);
    QVERIFY(BoxName("txt_sol ") != kResultBox);
    QVERIFY(BoxName() != kInputBox);
}

void TestPress::contextReadsItsOwnWritesFirst()
{
    const QByteArray stored("txt_conv");
    PressInput input;
    input.texts.append({BoxName(stored.constData()), QStringLiteral("12")});
    PressContext press(input);
    QCOMPARE(press.text(kInputBox), QStringLiteral("12"));
    QCOMPARE(press.text(kResultBox), QString()); // a box the window did not hand over
    press.write(kInputBox, QStringLiteral("0"));
    press.write(kInputBox, QStringLiteral("7"));
    QCOMPARE(press.text(kInputBox), QStringLiteral("7")); // the latest write wins
    QCOMPARE(press.outcome.written(kInputBox), std::optional<QString>(QStringLiteral("7")));
    QCOMPARE(press.outcome.written(kResultBox), std::nullopt);
}

QTEST_GUILESS_MAIN(TestPress)
#include "tst_press.moc"
