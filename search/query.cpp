// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "query.h"

#include "messages.h"
#include "numbertext.h"
#include "windowrequest.h"

#include <QVarLengthArray>

namespace unitavo::search {

namespace {

// For a query that names one unit: the targets people most often want from it, by symbol. A
// source without a line of its own takes its quantity's line with no source, which names one
// more, so that every unit has as many targets.
struct UsefulTargets {
    const char *quantity;
    const char *source; // "" for every other source of the quantity
    const char *targets; // symbols, separated by blanks, the most useful first
};

constexpr UsefulTargets kUsefulTargets[] = {
    {"accelerazioni", "m/s2", "g ft/s2 cm/s2"},
    {"accelerazioni", "", "m/s2 g ft/s2 cm/s2"},
    {"angoli", "deg", "rad % gon"},
    {"angoli", "", "deg rad % gon"},
    {"forze", "N", "kg lbf kN"},
    {"forze", "kN", "N kg lbf"},
    {"forze", "", "N kg lbf kN"},
    {"lunghezze", "km", "mi m nmi"},
    {"lunghezze", "m", "ft yd cm"},
    {"lunghezze", "cm", "in mm m"},
    {"lunghezze", "mm", "in cm m"},
    {"lunghezze", "mi", "km m nmi"},
    {"lunghezze", "nmi", "km mi m"},
    {"lunghezze", "ft", "m cm in"},
    {"lunghezze", "in", "cm mm ft"},
    {"lunghezze", "in-frac", "cm mm in"},
    {"lunghezze", "yd", "m ft cm"},
    {"lunghezze", "", "m km ft in"},
    {"massavolumica", "kg/m3", "g/cc lb/ft3 g/l"},
    {"massavolumica", "", "kg/m3 g/cc lb/ft3 g/l"},
    {"pressioni", "bar", "psi kPa atm"},
    {"pressioni", "psi", "bar kPa atm"},
    {"pressioni", "atm", "bar kPa mmHg"},
    {"pressioni", "", "bar kPa psi atm"},
    {"superfici", "m2", "ft2 cm2 ha"},
    {"superfici", "ha", "ac m2 km2"},
    {"superfici", "ac", "ha m2 ft2"},
    {"superfici", "km2", "mi2 ha m2"},
    {"superfici", "", "m2 ha ac ft2"},
    {"temperature", "degC", "degF K degR"},
    {"temperature", "degF", "degC K degR"},
    {"temperature", "", "degC degF K degR"},
    {"velocita", "km/h", "m/s kn mach"},
    {"velocita", "kn", "km/h m/s ft/s"},
    {"velocita", "", "km/h m/s kn ft/s"},
    {"volumi", "l", "gal m3 ml"},
    {"volumi", "gal", "l gal-uk ml"},
    {"volumi", "m3", "l ft3 gal"},
    {"volumi", "", "l m3 gal ml"},
};

// How many targets a query that names one unit is offered.
constexpr int kUsefulCount = 3;

QList<UnitRef> usefulTargets(UnitRef source)
{
    const QString id = quantityId(*source.quantity);
    const QString symbol = unitSymbol(source);
    const UsefulTargets *line = nullptr;
    for (const UsefulTargets &t : kUsefulTargets) {
        if (id == QLatin1String(t.quantity) && (symbol == QLatin1String(t.source) || !*t.source)) {
            line = &t;
            break;
        }
    }
    QList<UnitRef> targets;
    if (!line)
        return targets;
    const QStringList symbols = QString::fromLatin1(line->targets).split(u' ', Qt::SkipEmptyParts);
    for (const QString &s : symbols) {
        const QList<UnitRef> found = findUnits(s, source.quantity);
        if (!found.isEmpty() && found.first() != source && targets.size() < kUsefulCount)
            targets.append(found.first());
    }
    return targets;
}

// Words that may stand between the two units.
bool isConnector(QStringView word)
{
    static const QString words[] = {QStringLiteral("in"), QStringLiteral("a"), QStringLiteral("to"),
        QStringLiteral("->"), QStringLiteral("\u2192"), QStringLiteral("=")};
    for (const QString &w : words) {
        if (word.compare(w, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A character that may continue a number, so that the text cannot be cut before it: "1.5km" is
// never 1 and ".5km".
bool continuesNumber(QChar c, QStringView decimal)
{
    return c.isDigit() || c == u'+' || c == u'-' || c == QChar(0x2212) || c == u'.' || c == u','
        || decimal.contains(c) || c.isSpace();
}

// A value and the words after it.
struct Split {
    QString value;
    QStringList rest;
};

// The ways a query starts with a value: its first word; its first two when the second is a
// fraction ("3 5/8", for inches with a fraction); or a number run together with a unit ("10km").
QVarLengthArray<Split, 3> splits(const QStringList &words, const QLocale &locale)
{
    QVarLengthArray<Split, 3> found;
    if (words.isEmpty())
        return found;
    const QString &first = words.first();
    found.append({first, words.mid(1)});
    if (words.size() >= 3 && words[1].contains(u'/'))
        found.append({first + u' ' + words[1], words.mid(2)});
    const QString decimal = decimalSeparator(locale);
    for (qsizetype cut = first.size() - 1; cut > 0; --cut) {
        if (continuesNumber(first[cut], decimal))
            continue;
        if (textToNumber(QStringView(first).left(cut), decimal)) {
            QStringList rest = words.mid(1);
            rest.prepend(first.mid(cut));
            found.append({first.left(cut), rest});
            break;
        }
    }
    return found;
}

class Reader {
public:
    Reader(const QLocale &locale, int limit)
        : m_locale(locale)
        , m_limit(limit)
    { }

    void read(const Split &split);
    QList<Conversion> conversions;

private:
    bool full() const { return conversions.size() >= m_limit; }
    void add(const Conversion &c);
    // Every pair of a unit named `from` and a unit named `to` in one quantity.
    bool addPairs(const QString &from, const QString &to, const QString &value);

    const QLocale &m_locale;
    int m_limit;
};

void Reader::add(const Conversion &c)
{
    if (full() || !readsAsNumbers(typedBoxes(c.pair.from, c.value), m_locale))
        return;
    for (const Conversion &known : conversions) {
        if (known.pair.from == c.pair.from && known.pair.to == c.pair.to && known.value == c.value)
            return;
    }
    conversions.append(c);
}

bool Reader::addPairs(const QString &from, const QString &to, const QString &value)
{
    const QList<UnitRef> sources = findUnits(from);
    if (sources.isEmpty())
        return false;
    const QList<UnitRef> targets = findUnits(to);
    bool any = false;
    for (const UnitRef source : sources) {
        for (const UnitRef target : targets) {
            if (source.quantity == target.quantity) {
                add({{source, target}, value, true});
                any = true;
            }
        }
    }
    return any;
}

void Reader::read(const Split &split)
{
    const QStringList &words = split.rest;
    const qsizetype n = words.size();
    if (n == 0)
        return;
    // Two units side by side, every word a part of a unit's name, win over two units with a
    // word between them.
    bool paired = false;
    for (qsizetype k = 1; k < n; ++k) {
        const QString from = words.mid(0, k).join(u' ');
        paired = addPairs(from, words.mid(k).join(u' '), split.value) || paired;
    }
    for (qsizetype k = 1; k + 1 < n && !paired; ++k) {
        if (!isConnector(words[k]))
            continue;
        const QString from = words.mid(0, k).join(u' ');
        paired = addPairs(from, words.mid(k + 1).join(u' '), split.value) || paired;
    }
    if (paired)
        return;

    // One unit: its useful targets. A word left after it waits for the second unit ("10 km in").
    QList<UnitRef> sources = findUnits(words.join(u' '));
    if (sources.isEmpty() && n > 1 && isConnector(words.last()))
        sources = findUnits(words.mid(0, n - 1).join(u' '));
    for (const UnitRef source : sources) {
        for (const UnitRef target : usefulTargets(source))
            add({{source, target}, split.value, false});
    }
}

// The words of a query, as blanks of any kind separate them.
QStringList wordsOf(QStringView query)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= query.size(); ++i) {
        const bool blank = i == query.size() || query[i].isSpace();
        if (blank && start >= 0) {
            words.append(query.mid(start, i - start).toString());
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return words;
}

// No unit's name is this many words long: a longer query is no conversion.
constexpr qsizetype kMostWords = 12;

} // namespace

QList<Conversion> readQuery(QStringView query, const QLocale &locale, int limit)
{
    const QStringList words = wordsOf(query);
    Reader reader(locale, limit);
    if (words.size() > kMostWords)
        return {};
    for (const Split &split : splits(words, locale))
        reader.read(split);
    return reader.conversions;
}

std::optional<Result> answer(const Conversion &conversion, const QLocale &locale)
{
    if (!readsAsNumbers(typedBoxes(conversion.pair.from, conversion.value), locale))
        return std::nullopt;
    const ConversionResult r = convert(conversion.pair, conversion.value, locale);
    if (r.status != ConversionResult::Status::Result)
        return std::nullopt;
    return Result{conversion, r.text};
}

QList<Result> answerQuery(QStringView query, const QLocale &locale, int limit)
{
    QList<Result> results;
    // Conversions that fail drop out, so a few more are read than are shown.
    for (const Conversion &c : readQuery(query, locale, limit + 4)) {
        if (results.size() >= limit)
            break;
        if (std::optional<Result> r = answer(c, locale))
            results.append(*r);
    }
    return results;
}

QString resultId(const Conversion &conversion)
{
    return QStringList{quantityId(*conversion.pair.from.quantity), unitSymbol(conversion.pair.from),
        unitSymbol(conversion.pair.to), conversion.value}
        .join(u'\t');
}

std::optional<Conversion> conversionFromId(QStringView id)
{
    const QList<QStringView> parts = id.split(u'\t');
    if (parts.size() != 4)
        return std::nullopt;
    const Quantity *quantity = findQuantityById(parts[0]);
    if (!quantity)
        return std::nullopt;
    const QList<UnitRef> from = findUnits(parts[1], quantity);
    const QList<UnitRef> to = findUnits(parts[2], quantity);
    if (from.isEmpty() || to.isEmpty() || parts[3].isEmpty())
        return std::nullopt;
    return Conversion{{from.first(), to.first()}, parts[3].toString(), true};
}

QString title(const Result &result)
{
    // A whole number of fractional inches ends with a blank in the window ("3 "); here the
    // symbol follows after one blank all the same.
    return result.text.trimmed() + u' ' + unitSymbol(result.conversion.pair.to);
}

QString description(const Conversion &conversion)
{
    return conversionDescription(QString::fromUtf8(conversion.pair.from.quantity->caption),
        conversion.value, unitCaption(conversion.pair.from), unitCaption(conversion.pair.to));
}

QStringList openArguments(const Conversion &conversion)
{
    // After "--" a negative value is no option.
    return {QStringLiteral("--open"), quantityId(*conversion.pair.from.quantity),
        QStringLiteral("--"), conversion.value, unitSymbol(conversion.pair.from),
        unitSymbol(conversion.pair.to)};
}

} // namespace unitavo::search
