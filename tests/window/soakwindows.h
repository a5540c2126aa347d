// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One soak run over the real windows: what the test sees of each window, the actions carried out
// on them, and after each action the rules the windows must keep, with the shared invariants of
// what a press may write.

#include "about.h"
#include "invariants.h"
#include "mainwindow.h"
#include "press.h"
#include "soakactions.h"
#include "windowsupport.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace unitavo::soak {

using namespace unitavo::invariants;
using namespace unitavo::test;

// What the test sees of one window.
struct Snapshot {
    bool exists = false;
    bool visible = false;
    QStringList boxes; // txt_conv, then the quantity's own text boxes
    QString result;
    int source = -1;
    int target = -1;
    double held = 0.0;
    bool extrasShown = false;

    bool operator==(const Snapshot &o) const
    {
        return exists == o.exists && visible == o.visible && boxes == o.boxes && result == o.result
            && source == o.source && target == o.target && extrasShown == o.extrasShown
            && std::memcmp(&held, &o.held, sizeof held) == 0;
    }
};

inline QString describe(const Snapshot &s)
{
    if (!s.exists)
        return QStringLiteral("not created");
    QString text = s.visible ? QStringLiteral("open") : QStringLiteral("closed");
    for (const QString &b : s.boxes)
        text += QStringLiteral(", box %1").arg(spelled(b));
    return text
        + QStringLiteral(", txt_sol %1, source %2, target %3, held %4, fraction boxes %5")
              .arg(spelled(s.result))
              .arg(s.source)
              .arg(s.target)
              .arg(s.held, 0, 'g', 17)
              .arg(s.extrasShown ? QStringLiteral("shown") : QStringLiteral("hidden"));
}

// The controls of one loaded window, found once per load.
struct Controls {
    QList<QPointer<QLineEdit>> boxes;
    QPointer<QLineEdit> result;
    QList<QPointer<QRadioButton>> sources;
    QList<QPointer<QRadioButton>> targets;
    QPointer<QPushButton> calcola;
    QList<QPointer<QWidget>> extras;
};

struct Broken {
    int after = 0; // actions carried out, the last of them the one that broke the rule
    QString rule;
};

// One soak run: a fresh main window, the actions one by one, the checks after each.
class Soak {
public:
    explicit Soak(const QLocale &locale)
        : m_locale(locale)
    {
        QLocale::setDefault(locale);
        m_main = std::make_unique<MainWindow>([this](const QString &a) { m_opened << a; });
        m_main->show();
    }
    ~Soak() { QLocale::setDefault(QLocale::c()); }

    int presses = 0;
    int reloads = 0;

    // Makes and carries out actions one by one, each chosen for the windows as they stand,
    // and keeps them in `done`; stops at the first rule broken.
    std::optional<Broken> runRandom(ActionMaker &maker, int count, QList<Action> &done)
    {
        const auto isOpen = [this](int i) { return window(i) && window(i)->isVisible(); };
        for (int i = 0; i < count; ++i) {
            done << maker.next(isOpen);
            if (auto rule = step(done.last()))
                return Broken{i + 1, *rule};
        }
        return std::nullopt;
    }

    // Replays a list of actions; those that find their window closed do nothing.
    // The first rule broken, and after which action, or nothing.
    std::optional<Broken> run(const QList<Action> &actions)
    {
        for (int i = 0; i < actions.size(); ++i) {
            if (auto rule = step(actions[i]))
                return Broken{i + 1, *rule};
        }
        return std::nullopt;
    }

    qsizetype failuresReported() const { return m_failures.failures.size(); }

private:
    ConverterWindow *window(int i) const { return m_main->existingWindow(*catalogue().at(i)); }

    Snapshot snapshot(int i) const
    {
        Snapshot s;
        ConverterWindow *w = window(i);
        if (!w)
            return s;
        s.exists = true;
        s.visible = w->isVisible();
        s.held = w->heldPivot();
        const Controls &c = m_controls[i];
        if (!c.result)
            return s;
        for (const auto &box : c.boxes)
            s.boxes << (box ? box->text() : QStringLiteral("<deleted>"));
        s.result = c.result->text();
        for (int r = 0; r < c.sources.size(); ++r) {
            if (c.sources[r] && c.sources[r]->isChecked())
                s.source = r;
            if (c.targets[r] && c.targets[r]->isChecked())
                s.target = r;
        }
        for (const auto &extra : c.extras)
            s.extrasShown = s.extrasShown || (extra && !extra->isHidden());
        return s;
    }

    // Finds the controls of a window that has just been loaded; those of its earlier load must
    // be gone by now.
    std::optional<QString> findControls(int i)
    {
        const Controls earlier = std::exchange(m_controls[i], Controls());
        if (earlier.result || earlier.calcola)
            return QStringLiteral("the controls of the earlier load were not discarded");
        Controls &c = m_controls[i];
        ConverterWindow *w = window(i);
        const Quantity &q = quantityAt(i);
        const auto one = [&](auto *&found, const char *name) -> bool {
            using T = std::remove_pointer_t<std::remove_reference_t<decltype(found)>>;
            const auto all = w->findChildren<T *>(QLatin1String(name));
            found = all.size() == 1 ? all.first() : nullptr;
            return found;
        };
        QLineEdit *edit = nullptr;
        for (const BoxName name : inputBoxes(q)) {
            if (!one(edit, name.name()))
                return QStringLiteral("not exactly one text box %1").arg(name.latin1());
            c.boxes << edit;
        }
        if (!one(edit, kResultBox.name()))
            return QStringLiteral("not exactly one txt_sol");
        c.result = edit;
        for (const UnitRow &row : q.rows) {
            QRadioButton *source = nullptr;
            QRadioButton *target = nullptr;
            if (!one(source, row.source) || !one(target, row.target))
                return QStringLiteral("not exactly one button %1 and one %2")
                    .arg(QLatin1String(row.source), QLatin1String(row.target));
            c.sources << source;
            c.targets << target;
        }
        const int buttons = int(w->findChildren<QRadioButton *>().size());
        if (buttons != 2 * int(q.rows.size()))
            return QStringLiteral("%1 option buttons for %2 units").arg(buttons).arg(q.rows.size());
        QPushButton *calcola = nullptr;
        if (!one(calcola, kCalcola))
            return QStringLiteral("not exactly one btn_Calcola");
        c.calcola = calcola;
        for (const ExtraControl &extra : q.extras) {
            QWidget *control = nullptr;
            if (!one(control, extra.name))
                return QStringLiteral("not exactly one %1").arg(QLatin1String(extra.name));
            c.extras << control;
        }
        return std::nullopt;
    }

    // Carries out one action; returns what broke, if anything.
    std::optional<QString> step(const Action &a)
    {
        std::array<Snapshot, kWindows> before;
        for (int i = 0; i < kWindows; ++i)
            before[i] = snapshot(i);
        const qsizetype failuresBefore = m_failures.failures.size();
        const qsizetype openedBefore = m_opened.size();
        ConverterWindow *const acted = window(a.window);
        const Snapshot &was = before[a.window];
        const bool open = was.visible;
        Controls &c = m_controls[a.window];
        std::optional<PressOutcome> expected;

        switch (a.kind) {
        case Action::Type:
        case Action::Paste: {
            QLineEdit *box = open ? c.boxes.value(a.index).data() : nullptr;
            if (!box || box->isHidden())
                return std::nullopt; // nothing to type into
            if (a.kind == Action::Paste) {
                box->selectAll();
                box->insert(a.text);
            } else {
                if (a.replace) {
                    box->selectAll();
                    QTest::keyClick(box, Qt::Key_Delete);
                } else {
                    box->end(false);
                }
                QTest::keyClicks(box, a.text);
            }
            break;
        }
        case Action::Source:
        case Action::Target:
            if (!open)
                return std::nullopt;
            (a.kind == Action::Source ? c.sources : c.targets)[a.index]->click();
            break;
        case Action::Press:
        case Action::Enter: {
            if (!open)
                return std::nullopt;
            expected = expectedPress(a.window, was);
            if (a.kind == Action::Press)
                c.calcola->click();
            else
                QTest::keyClick(c.boxes.first(), Qt::Key_Return);
            ++presses;
            break;
        }
        case Action::Close:
            if (!open)
                return std::nullopt;
            acted->close();
            break;
        case Action::Reopen:
            if (m_main->showQuantity(*catalogue().at(a.window)) != window(a.window))
                return QStringLiteral("showQuantity answered another window than it keeps");
            break;
        case Action::MainButton: {
            auto *button
                = m_main->findChild<QPushButton *>(QLatin1String(quantityAt(a.window).button));
            if (!button)
                return QStringLiteral("the main window has no button %1")
                    .arg(QLatin1String(quantityAt(a.window).button));
            button->click();
            break;
        }
        case Action::Link: {
            auto *label = m_main->findChild<QLabel *>(
                a.index == 0 ? QStringLiteral("Label1") : QStringLiteral("Label2"));
            if (!label)
                return QStringLiteral("the main window has no link label");
            QTest::mouseClick(label, Qt::LeftButton);
            break;
        }
        }

        if (acted && acted != window(a.window))
            return QStringLiteral("the window object was replaced");
        const bool opened = (a.kind == Action::Reopen || a.kind == Action::MainButton) && !open;
        if (opened) {
            ++reloads;
            if (auto broken = findControls(a.window))
                return QStringLiteral("on reload, ") + *broken;
        }

        std::array<Snapshot, kWindows> after;
        for (int i = 0; i < kWindows; ++i)
            after[i] = snapshot(i);
        for (int i = 0; i < kWindows; ++i) {
            if (i != a.window && !(after[i] == before[i]))
                return QStringLiteral("%1 changed without being touched: was %2, now %3")
                    .arg(
                        QLatin1String(quantityAt(i).name), describe(before[i]), describe(after[i]));
        }
        if (auto broken = checkActed(a, was, after[a.window], expected, failuresBefore, opened))
            return QStringLiteral("%1 was %2, now %3: %4")
                .arg(QLatin1String(quantityAt(a.window).name), describe(was),
                    describe(after[a.window]), *broken);
        if (a.kind != Action::Press && a.kind != Action::Enter
            && m_failures.failures.size() != failuresBefore)
            return QStringLiteral("a failure was reported without a press");
        if (auto broken = checkLinks(a, openedBefore))
            return broken;
        return checkOneObjectEach();
    }

    // The press as the core computes it from what the window shows before it.
    PressOutcome expectedPress(int i, const Snapshot &s) const
    {
        const Quantity &q = quantityAt(i);
        const QList<BoxName> names = inputBoxes(q);
        PressInput input;
        input.source = s.source;
        input.target = s.target;
        for (int b = 0; b < names.size(); ++b)
            input.texts.append({names[b], s.boxes.value(b)});
        input.texts.append({kResultBox, s.result});
        input.heldPivot = s.held;
        input.locale = QLocale();
        return press(q, input);
    }

    std::optional<QString> checkActed(const Action &a, const Snapshot &was, const Snapshot &now,
        const std::optional<PressOutcome> &expected, qsizetype failuresBefore, bool opened) const
    {
        const Quantity &q = quantityAt(a.window);
        if (std::memcmp(&was.held, &now.held, sizeof was.held) != 0 && !expected)
            return QStringLiteral("the held pivot changed without a press");
        if (opened) {
            Snapshot initial;
            initial.exists = initial.visible = true;
            for (const BoxName name : inputBoxes(q)) {
                QString text = QStringLiteral("1");
                for (const ExtraControl &extra : q.extras) {
                    if (BoxName(extra.name) == name)
                        text = QString::fromUtf8(extra.text);
                }
                initial.boxes << text;
            }
            initial.held = was.exists ? was.held : 0.0;
            if (!(now == initial))
                return QStringLiteral("a window opened anew must show its initial state");
            return std::nullopt;
        }
        switch (a.kind) {
        case Action::Type:
        case Action::Paste:
            if (now.result != was.result || now.source != was.source || now.target != was.target)
                return QStringLiteral("typing changed more than the text box");
            for (int b = 0; b < now.boxes.size(); ++b) {
                if (b != a.index && now.boxes[b] != was.boxes[b])
                    return QStringLiteral("typing changed another text box");
            }
            return std::nullopt;
        case Action::Source:
        case Action::Target: {
            const bool source = a.kind == Action::Source;
            if ((source ? now.source : now.target) != a.index
                || (source ? now.target : now.source) != (source ? was.target : was.source))
                return QStringLiteral("the click did not select just that unit");
            if (now.boxes != was.boxes || now.result != was.result)
                return QStringLiteral("selecting a unit changed a text");
            if (source && !q.inputLayouts.empty()) {
                const bool shown = q.inputLayouts[q.rows[a.index].inputLayout].extrasVisible;
                if (now.extrasShown != shown)
                    return QStringLiteral("the fraction boxes do not follow the source unit");
            }
            return std::nullopt;
        }
        case Action::Press:
        case Action::Enter:
            return checkPress(a.window, was, now, *expected, failuresBefore);
        case Action::Close:
            if (now.visible)
                return QStringLiteral("the window did not close");
            return std::nullopt;
        case Action::Reopen:
        case Action::MainButton:
            if (!(now == was))
                return QStringLiteral("showing an open window changed it");
            return std::nullopt;
        case Action::Link:
            if (!(now == was))
                return QStringLiteral("a link click changed a window");
            return std::nullopt;
        }
        return std::nullopt;
    }

    std::optional<QString> checkPress(int i, const Snapshot &was, const Snapshot &now,
        const PressOutcome &expected, qsizetype failuresBefore) const
    {
        const Quantity &q = quantityAt(i);
        if (now.source != was.source || now.target != was.target || now.visible != was.visible)
            return QStringLiteral("a press changed the selection");
        if (now.boxes.value(0) != was.boxes.value(0))
            return QStringLiteral("a press changed txt_conv");
        for (int b = 1; b < now.boxes.size(); ++b) {
            if (now.boxes[b] != was.boxes[b]
                && !(was.boxes[b].isEmpty() && now.boxes[b] == QStringLiteral("0")))
                return QStringLiteral(
                    "a press wrote into a fraction box other than a 0 into it empty");
        }
        const qsizetype reported = m_failures.failures.size() - failuresBefore;
        if (expected.failure) {
            if (reported != 1 || m_failures.failures.last() != *expected.failure
                || m_failures.windows.last() != window(i))
                return QStringLiteral("failure %1 was due and %2 reports came")
                    .arg(int(*expected.failure))
                    .arg(reported);
            if (now.result != was.result)
                return QStringLiteral("a failed press changed txt_sol");
        } else if (reported != 0) {
            return QStringLiteral("a failure was reported for a sound press");
        }
        const QString due = expected.written(kResultBox).value_or(was.result);
        if (now.result != due)
            return QStringLiteral("txt_sol should read %1").arg(spelled(due));
        for (int b = 1; b < now.boxes.size(); ++b) {
            const BoxName name = inputBoxes(q)[b];
            if (now.boxes[b] != expected.written(name).value_or(was.boxes[b]))
                return QStringLiteral("%1 is not what the press wrote").arg(name.latin1());
        }
        if (std::memcmp(&now.held, &expected.heldPivot, sizeof now.held) != 0)
            return QStringLiteral("the held pivot should be %1")
                .arg(expected.heldPivot, 0, 'g', 17);
        if (now.result == was.result)
            return std::nullopt; // what stays may be a copy of an earlier input, "inf" included
        const QString problem
            = resultProblem(q, was.source, was.target, was.boxes.value(0), now.result, m_locale);
        if (!problem.isEmpty())
            return QStringLiteral("garbage in txt_sol: ") + problem;
        if (looksNonFinite(now.result) && now.result != was.boxes.value(0))
            return QStringLiteral("txt_sol shows a non-finite number");
        return std::nullopt;
    }

    std::optional<QString> checkLinks(const Action &a, qsizetype openedBefore) const
    {
        const qsizetype requests = m_opened.size() - openedBefore;
        if (a.kind != Action::Link)
            return requests ? std::optional<QString>(QStringLiteral("an address was opened"))
                            : std::nullopt;
        const QString due = a.index == 0 ? webLink() : mailLink();
        if (requests != 1 || m_opened.last() != due)
            return QStringLiteral("the link click should open exactly %1").arg(spelled(due));
        return std::nullopt;
    }

    std::optional<QString> checkOneObjectEach() const
    {
        QHash<QString, int> count;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            const QString name = w->objectName();
            if (name != QStringLiteral("frm_conv") && !findQuantity(name.toLatin1().constData()))
                return QStringLiteral("a top-level widget that is no window of ours: %1 %2")
                    .arg(QLatin1String(w->metaObject()->className()), spelled(name));
            if (++count[name] > 1)
                return QStringLiteral("two window objects named %1").arg(name);
        }
        return std::nullopt;
    }

    QLocale m_locale;
    FailureCapture m_failures;
    QStringList m_opened;
    std::unique_ptr<MainWindow> m_main;
    std::array<Controls, kWindows> m_controls;
};

} // namespace unitavo::soak
