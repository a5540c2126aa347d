// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quantity.h"

#include <QVarLengthArray>
#include <optional>

namespace unitavo {

// The text of a named text box, as read before a press or as written by it.
struct BoxText {
    BoxName box;
    QString text;
};

using BoxTexts = QVarLengthArray<BoxText, 4>;

// What a press of "Calcola" reads from its window.
struct PressInput {
    int source = -1; // selected source row, -1 for none
    int target = -1; // selected target row, -1 for none
    BoxTexts texts; // txt_conv and any extra text boxes
    double heldPivot = 0.0;
    QLocale locale;
};

// What the window must show after a press: the texts to write, in order, then the failure to
// report if the press stopped on one. Writes made before a failure stand.
struct PressOutcome {
    BoxTexts writes;
    std::optional<Failure> failure;
    double heldPivot = 0.0;

    // The text written into a box by this press, or nullopt when it was not written.
    std::optional<QString> written(BoxName box) const;
};

// The state of one press, handed to a quantity's hooks.
class PressContext {
public:
    // The input is read through the whole press and must outlive the context.
    explicit PressContext(const PressInput &input);
    PressContext(PressInput &&) = delete;

    // The box's text as it stands at this point of the press.
    QString text(BoxName box) const;
    void write(BoxName box, QString text);
    // Ends the press after the current step, reporting nothing.
    void halt() { m_halted = true; }
    bool halted() const { return m_halted; }
    const QLocale &locale() const { return m_input.locale; }

    PressOutcome outcome;

private:
    const PressInput &m_input;
    bool m_halted = false;
};

// One press of "Calcola": the source phase into the pivot, the target phase out of it.
PressOutcome press(const Quantity &quantity, const PressInput &input);

// Arithmetic steps on a double, as the source phase and a window-held pivot apply them.
double applySteps(const Sequence &steps, double x);

} // namespace unitavo
