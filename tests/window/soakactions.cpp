// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soakactions.h"

#include "invariants.h"
#include "numbertext.h"

#include <QLocale>
#include <cmath>
#include <iterator>

using namespace unitavo::invariants;

namespace unitavo::soak {

namespace {

// Pieces of what a user types: digits, signs, both separators, exponents at and beyond the
// double range, blanks, words of infinity and NaN, hexadecimal.
const char *const kTyped[] = {"0", "1", "2", "5", "7", "9", "10", "45", "100", "150", "-", "+", ",",
    ".", "E", "e", "E+", "E-", "307", "308", "309", "400", "-324", "99999", " ", "  ", "inf", "nan",
    "Infinity", "0x1F", "abc", "1/2", "(1)", "'"};
// And what may come in only by pasting: non-ASCII blanks, signs, digits and letters.
const char *const kPasted[] = {"\xc2\xa0", "\xe2\x88\x92", "\xe2\x88\x9e", "\xd9\xa1",
    "\xef\xbc\x91", "\xc3\xa9", "\xe2\x82\xac", "\t", "\xe3\x80\x80", "\xe2\x80\x8b"};

} // namespace

const Quantity &quantityAt(int window)
{
    return *catalogue()[window];
}

QList<BoxName> inputBoxes(const Quantity &q)
{
    QList<BoxName> names{kInputBox};
    for (const ExtraControl &extra : q.extras) {
        if (extra.kind == ExtraControl::Kind::TextBox)
            names << BoxName(extra.name);
    }
    return names;
}

QString describe(const Action &a)
{
    const Quantity &q = quantityAt(a.window);
    const QString window = QString::fromLatin1(q.name);
    const auto box = [&] { return QString(inputBoxes(q).value(a.index).latin1()); };
    switch (a.kind) {
    case Action::Type:
        return QStringLiteral("%1: type %2 into %3%4")
            .arg(window, spelled(a.text), box(),
                a.replace ? QStringLiteral(", replacing its text") : QString());
    case Action::Paste:
        return QStringLiteral("%1: paste %2 over all of %3").arg(window, spelled(a.text), box());
    case Action::Source:
        return QStringLiteral("%1: click source %2")
            .arg(window, QLatin1String(q.rows[a.index].source));
    case Action::Target:
        return QStringLiteral("%1: click target %2")
            .arg(window, QLatin1String(q.rows[a.index].target));
    case Action::Press:
        return QStringLiteral("%1: click btn_Calcola").arg(window);
    case Action::Enter:
        return QStringLiteral("%1: press Enter in txt_conv").arg(window);
    case Action::Close:
        return QStringLiteral("%1: close").arg(window);
    case Action::Reopen:
        return QStringLiteral("%1: MainWindow::showQuantity").arg(window);
    case Action::MainButton:
        return QStringLiteral("frm_conv: click %1").arg(QLatin1String(q.button));
    case Action::Link:
        return QStringLiteral("frm_conv: click Label%1").arg(a.index + 1);
    }
    return QString();
}

QString ActionMaker::text(bool pasted)
{
    const QLocale here;
    switch (chance(55) ? below(4) : 4 + below(pasted ? 3 : 2)) {
    case 0:
        return QString();
    case 1: // a plain number
        return QString::number(below(2001) - 1000);
    case 2: // a number's text, in this locale or the other one
        return numberToText(std::ldexp(m_random.generateDouble() - 0.5, below(2100) - 1050),
            chance(80) ? here : otherLocale(here));
    case 3: // a number near either end of the double range, where steps overflow
        return QStringLiteral("%1%2%3%4E%5")
            .arg(chance(50) ? QStringLiteral("-") : QString())
            .arg(1 + below(9))
            .arg(here.decimalPoint())
            .arg(below(1000))
            .arg(chance(60) ? 290 + below(20) : -300 - below(30));
    case 4: // a number with any exponent, and either separator
        return QStringLiteral("%1%2%3E%4")
            .arg(below(10))
            .arg(chance(50) ? here.decimalPoint() : otherLocale(here).decimalPoint())
            .arg(below(1000))
            .arg(below(1400) - 700);
    case 5: { // typed pieces
        QString t;
        for (int i = 0, n = 1 + below(5); i < n; ++i)
            t += QString::fromUtf8(kTyped[below(int(std::size(kTyped)))]);
        return t;
    }
    default: { // pasted pieces, any character
        QString t;
        for (int i = 0, n = 1 + below(5); i < n; ++i) {
            t += chance(50) ? QString::fromUtf8(kPasted[below(int(std::size(kPasted)))])
                            : QString::fromUtf8(kTyped[below(int(std::size(kTyped)))]);
        }
        return t;
    }
    }
}

} // namespace unitavo::soak
