// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reporter.h"

#include "about.h"

#include <QMessageBox>

namespace unitavo {

namespace {

Reporter &installed()
{
    static Reporter current;
    return current;
}

} // namespace

void setReporter(Reporter reporter)
{
    installed() = std::move(reporter);
}

void report(QWidget *window, const QString &message)
{
    if (installed()) {
        installed()(window, message);
        return;
    }
    QMessageBox::warning(window, window ? window->windowTitle() : programName(), message);
}

} // namespace unitavo
