// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linkopener.h"
#include "quantities.h"

#include <QWidget>
#include <array>
#include <memory>

namespace unitavo {

class ConverterWindow;

// The start-up window: one button per quantity, then the web and mail links.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(LinkOpener opener = openWithDesktop, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The quantity's converter window, created on first use and shown again after that.
    ConverterWindow *showQuantity(const Quantity &quantity);
    // The quantity's converter window if it was ever shown, or nullptr.
    ConverterWindow *existingWindow(const Quantity &quantity) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    LinkOpener m_opener;
    // Converter windows have no owner window: they outlive the main window being closed.
    std::array<std::unique_ptr<ConverterWindow>, kQuantityCount> m_windows;
};

} // namespace unitavo
