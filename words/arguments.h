// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What `unitavo` and `unitavo-converti` share in reading their command lines with
// QCommandLineParser.

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace unitavo {

// A value such as -40 or −0,5 is a number, not an option: before parsing, each is hidden behind
// a mark no one types, and put back afterwards wherever it turns up, as an argument or as an
// option's value.
class SignedValues {
public:
    // The arguments, the program's name first, with each negative number before "--" hidden.
    QStringList hide(const QStringList &arguments);
    QString restore(const QString &argument) const;
    QStringList restore(const QStringList &arguments) const;

private:
    QStringList m_hidden;
};

// Why the parser refused the arguments it was given: an unknown option, or an option whose value
// is missing.
QString parseProblem(const QCommandLineParser &parser, const QStringList &arguments);

} // namespace unitavo
