// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "press.h"

#include <QWidget>
#include <memory>

class QRadioButton;

namespace unitavo {

// The window of one quantity, built from its definition: source units on the left, target units
// on the right, the input and result boxes and "Calcola". The window object lives for the whole
// run; its controls are created when it is shown after being closed (or for the first time) and
// so come back in their initial state, while a window-held pivot survives.
class ConverterWindow : public QWidget {
    Q_OBJECT

public:
    explicit ConverterWindow(const Quantity &quantity, QWidget *parent = nullptr);
    ~ConverterWindow() override;

    // Shows the window, loading its controls first when it is not open, and brings it to the front.
    void present();
    // Runs one conversion from the current input and selections, as a click on "Calcola" does.
    void calcola();
    // Makes a conversion as a user does, through the window's own controls: clicks the source
    // unit, types the boxes, clicks the target unit and presses "Calcola". The window must be
    // shown.
    void enter(int sourceRow, int targetRow, const BoxTexts &typed);

    const Quantity &quantity() const { return m_quantity; }
    double heldPivot() const { return m_heldPivot; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Controls;

    // The controls, created afresh: the unit frames, their buttons, the boxes and the extras,
    // "Calcola" and the result, in their tab order.
    void load();
    void makeFrames();
    void makeUnitButtons(QList<QWidget *> &sourceChain, QList<QWidget *> &targetChain);
    QRadioButton *makeUnitButton(const UnitRow &row, int index, bool sourceSide);
    QList<QWidget *> makeSourceBoxes(); // the input, the extras; returns the text boxes
    QList<QWidget *> makeCalcolaAndResult();
    void setTabChain(QList<QWidget *> &chain);
    void applyInputLayout(int row);

    const Quantity &m_quantity;
    double m_heldPivot = 0.0;
    bool m_loaded = false;
    std::unique_ptr<Controls> m_controls;
};

} // namespace unitavo
