// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The soak test's actions on the windows, how each is told in a report, and the seeded generator
// that makes them.

#include "catalogue.h"
#include "converterwindow.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

namespace unitavo::soak {

constexpr int kWindows = 10;

struct Action {
    enum Kind { Type, Paste, Source, Target, Press, Enter, Close, Reopen, MainButton, Link };
    Kind kind = Press;
    int window = 0; // place in the catalogue
    int index = 0; // unit row (Source, Target), text box (Type, Paste), link (Link)
    QString text;
    bool replace = true; // Type: select all first
};

const Quantity &quantityAt(int window);

// txt_conv, then the quantity's own text boxes.
QList<BoxName> inputBoxes(const Quantity &q);

QString describe(const Action &a);

class ActionMaker {
public:
    explicit ActionMaker(quint32 seed)
        : m_random(seed)
    { }

    // The next action on the window in hand, or on another one now and then; a window that is
    // not open is opened first.
    template <typename IsOpen> Action next(IsOpen isOpen)
    {
        Action a;
        if (m_current < 0 || chance(15))
            m_current = below(kWindows);
        a.window = m_current;
        const Quantity &q = quantityAt(a.window);
        if (!isOpen(a.window)) {
            a.kind = chance(50) ? Action::Reopen : Action::MainButton;
            return a;
        }
        const int roll = below(100);
        if (roll < 22) {
            a.kind = Action::Type;
            a.index = typedBox(q);
            a.text = text(false);
            a.replace = !chance(20);
        } else if (roll < 30) {
            a.kind = Action::Paste;
            a.index = typedBox(q);
            a.text = text(true);
        } else if (roll < 45) {
            a.kind = Action::Source;
            a.index = below(int(q.rows.size()));
        } else if (roll < 60) {
            a.kind = Action::Target;
            a.index = below(int(q.rows.size()));
        } else if (roll < 82) {
            a.kind = Action::Press;
        } else if (roll < 87) {
            a.kind = Action::Enter;
        } else if (roll < 90) {
            a.kind = Action::Close;
        } else if (roll < 95) {
            a.kind = Action::Reopen;
        } else if (roll < 99) {
            a.kind = Action::MainButton;
        } else {
            a.kind = Action::Link;
            a.index = below(2);
        }
        return a;
    }

private:
    int below(int n) { return int(m_random.bounded(quint32(n))); }
    bool chance(int percent) { return below(100) < percent; }

    int typedBox(const Quantity &q) { return chance(70) ? 0 : below(int(inputBoxes(q).size())); }

    QString text(bool pasted);

    QRandomGenerator m_random;
    int m_current = -1;
};

} // namespace unitavo::soak
