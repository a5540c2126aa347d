// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of seeded random actions on the real windows, under Italian and English settings:
// typing and pasting any text, clicking units, pressing "Calcola" (the button or Enter), closing
// and reopening windows, opening them from the main window, clicking the links. After every action
// the windows must still be sound: the result box changes only on a press, a press changes no
// input, every failure is reported and leaves the result as it was, no result is garbage, and
// each window exists once. A broken run prints its seed and the shortest list of actions that
// still breaks it. The actions and their generator are in soakactions.*, the rules kept after
// each action in soakwindows.h; here the runs, the shrinking of a broken one and its report.
//
//   UNITAVO_SOAK_ACTIONS=N   actions per run (default 12000; four runs)
//   UNITAVO_SOAK_SEED=S      seeds S to S+3 instead of the usual ones, e.g. to replay a reported
//                            seed (S under Italian, S+1 under English, and so on)
#include "soakactions.h"
#include "soakwindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <optional>

using namespace unitavo;
using namespace unitavo::soak;
using namespace unitavo::test;

namespace {

// The rule itself, without the window states that lead up to it, so that a shorter list that
// breaks it counts even though the states differ.
QString ruleOnly(const QString &rule)
{
    const qsizetype detail = rule.lastIndexOf(QStringLiteral(": "));
    return detail < 0 ? rule : rule.mid(detail + 2);
}

// Removes actions, in chunks and then one by one, for as long as the run still breaks the same
// rule; stops when the time allowed is spent, with the shortest list found so far.
QList<Action> shrink(
    QList<Action> actions, const QLocale &locale, const QString &rule, qint64 milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    const auto stillBreaks = [&](const QList<Action> &candidate) {
        Soak soak(locale);
        const auto broken = soak.run(candidate);
        return broken && ruleOnly(broken->rule) == rule;
    };
    for (qsizetype chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        bool removed = true;
        while (removed && clock.elapsed() < milliseconds) {
            removed = false;
            for (qsizetype start = 0;
                 start + chunk <= actions.size() && clock.elapsed() < milliseconds;) {
                QList<Action> candidate = actions;
                candidate.remove(start, chunk);
                if (stillBreaks(candidate)) {
                    actions = candidate;
                    removed = true;
                } else {
                    start += chunk;
                }
            }
        }
    }
    return actions;
}

QtMessageHandler testHandler = nullptr;

// The offscreen platform cannot raise a window, and says so at every show of an open window.
void withoutRaiseNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message == QStringLiteral("This plugin does not support raise()"))
        return;
    testHandler(type, context, message);
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void soak_data();
    void soak();
    void cleanupTestCase();

private:
    QTimer m_watchdog;
    QStringList m_dialogs;
    qint64 m_actions = 0;
    qint64 m_presses = 0;
    qint64 m_shrinkingLeft = 50000; // milliseconds, for all the runs that break
};

void TestSoak::initTestCase()
{
    testHandler = qInstallMessageHandler(withoutRaiseNotices);
    // A modal dialog would wait for a click that never comes: close it and count it as a fault.
    // The timer fires only inside the dialog's own event loop.
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            m_dialogs << modal->windowTitle();
            modal->close();
        }
    });
    m_watchdog.start(200);
}

void TestSoak::soak_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<quint32>("seed");
    const quint32 chosen = quint32(qEnvironmentVariableIntValue("UNITAVO_SOAK_SEED"));
    const quint32 first = chosen ? chosen : 20240601;
    for (quint32 seed = first; seed < first + 4; seed += 2) {
        QTest::addRow("it_IT seed %u", seed) << italian << seed;
        QTest::addRow("en_US seed %u", seed + 1) << english << seed + 1;
    }
}

void TestSoak::soak()
{
    QFETCH(QLocale, locale);
    QFETCH(quint32, seed);
    bool set = false;
    const int count = qEnvironmentVariableIntValue("UNITAVO_SOAK_ACTIONS", &set);
    const int actionsPerRun = set && count > 0 ? count : 12000;

    ActionMaker maker(seed);

    QElapsedTimer clock;
    clock.start();
    QList<Action> actions;
    std::optional<Broken> broken;
    qsizetype failures = 0;
    {
        Soak soak(locale);
        broken = soak.runRandom(maker, actionsPerRun, actions);
        m_presses += soak.presses;
        failures = soak.failuresReported();
        qInfo("seed %u, %s: %d actions, %d presses, %lld failures reported, %d windows loaded, "
              "%lld ms",
            seed, qPrintable(locale.name()), int(actions.size()), soak.presses, qint64(failures),
            soak.reloads, qint64(clock.elapsed()));
    }
    m_actions += actions.size();
    QVERIFY2(m_dialogs.isEmpty(),
        qPrintable(QStringLiteral("a dialog opened: ") + m_dialogs.join(u',')));
    if (!broken)
        return;

    // Shrinking replays the run many times; all of it must end well within the test's timeout.
    QElapsedTimer shrinking;
    shrinking.start();
    const QList<Action> shortest
        = shrink(actions.first(broken->after), locale, ruleOnly(broken->rule), m_shrinkingLeft);
    m_shrinkingLeft = std::max<qint64>(0, m_shrinkingLeft - shrinking.elapsed());
    Soak replay(locale);
    const auto again = replay.run(shortest);
    QString report = QStringLiteral("seed %1 under %2, after action %3 (%4):\n  %5\n"
                                    "the shortest list that still breaks it (%6 actions):\n")
                         .arg(seed)
                         .arg(locale.name())
                         .arg(broken->after)
                         .arg(describe(actions[broken->after - 1]), broken->rule)
                         .arg(shortest.size());
    for (int i = 0; i < shortest.size(); ++i)
        report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(describe(shortest[i]));
    report += QStringLiteral("which gives, after action %1:\n  %2")
                  .arg(again ? again->after : 0)
                  .arg(again ? again->rule : QStringLiteral("(nothing: the shrinking lost it)"));
    QFAIL(qPrintable(report));
}

void TestSoak::cleanupTestCase()
{
    qInfo("%lld actions soaked, %lld presses", m_actions, m_presses);
    qInstallMessageHandler(testHandler);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
