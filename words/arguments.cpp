// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include "messages.h"

#include <QCommandLineParser>

namespace unitavo {

namespace {

constexpr char16_t kHiddenMark = 0xE000; // of Unicode's private use

bool looksNegative(const QString &argument)
{
    if (argument.size() < 2 || (argument[0] != u'-' && argument[0] != QChar(0x2212)))
        return false;
    const QChar next = argument[1];
    return next.isDigit() || next == u'.' || next == u',';
}

} // namespace

QStringList SignedValues::hide(const QStringList &arguments)
{
    QStringList shown;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i > 0 && !optionsEnded && looksNegative(arguments[i])) {
            shown << QChar(kHiddenMark) + QString::number(m_hidden.size());
            m_hidden << arguments[i];
        } else {
            shown << arguments[i];
        }
        optionsEnded = optionsEnded || arguments[i] == QLatin1String("--");
    }
    return shown;
}

QString SignedValues::restore(const QString &argument) const
{
    if (argument.startsWith(QChar(kHiddenMark)))
        return m_hidden.value(argument.mid(1).toInt());
    return argument;
}

QStringList SignedValues::restore(const QStringList &arguments) const
{
    QStringList restored;
    for (const QString &argument : arguments)
        restored << restore(argument);
    return restored;
}

QString parseProblem(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) // an option that takes a value came last, without it
        return missingValueMessage(arguments.value(arguments.size() - 1));
    const QString &name = unknown.first();
    return unknownOptionMessage(
        (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
}

} // namespace unitavo
