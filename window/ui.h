// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quantity.h"

#include <QFont>
#include <QIcon>
#include <QRect>
#include <functional>

class QWidget;

namespace unitavo {

// Window definitions are in twips; fifteen of them make one logical pixel.
constexpr int fromTwips(int twips)
{
    return (twips + 7) / 15;
}
inline QRect fromTwips(const Rect &r)
{
    return QRect(fromTwips(r.left), fromTwips(r.top), fromTwips(r.width), fromTwips(r.height));
}

// The font of every caption, close to an 8-point sans serif of the classic desktop: Arial, the
// face the layout was drawn in, on Windows; its metric twin elsewhere.
#ifdef Q_OS_WIN
inline constexpr char defaultFontFamily[] = "Arial";
#else
inline constexpr char defaultFontFamily[] = "Liberation Sans";
#endif
QFont defaultFont();
// The nearest available font to a named one at a size in points, sized in logical pixels so that
// it keeps its place beside controls that are sized in logical pixels too.
QFont fontLike(const char *family, double points);

// The font at its largest, from `font` down one pixel at a time to 9 pixels, for which fits()
// holds: captions keep their place in their controls with whatever fonts the system offers.
QFont shrunkToFit(QFont font, const std::function<bool(const QFont &)> &fits);

// Unitavo's icon, in every size it is drawn at, for all its windows.
QIcon appIcon();

// Where failures of a press are reported. The default shows a modal message box titled with the
// window's caption; tests install their own to capture reports without a dialog.
using FailureReporter = std::function<void(QWidget *window, Failure failure)>;
void setFailureReporter(FailureReporter reporter);
void reportFailure(QWidget *window, Failure failure);

// Where a request that Unitavo refuses is reported (an unknown quantity or unit asked for from
// the command line or the desktop): the same message box, titled with the window's caption, or
// Unitavo's name without a window; tests install their own.
using MessageReporter = std::function<void(QWidget *window, const QString &message)>;
void setMessageReporter(MessageReporter reporter);
void reportMessage(QWidget *window, const QString &message);

} // namespace unitavo
