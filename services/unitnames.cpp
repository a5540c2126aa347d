// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unitnames.h"

#include "catalogue.h"
#include "messages.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace unitavo {

namespace {

// Every symbol and name of the catalogue with its match key, in the catalogue's order, built
// once. A few thousand keys: comparing them all is quicker than sorting or hashing them first.
struct Index {
    struct Entry {
        QString key;
        UnitRef unit;
        int ordinal = 0; // the unit's place in the catalogue
    };
    std::vector<Entry> entries;
};

const Index &index()
{
    static const Index built = [] {
        Index index;
        int ordinal = 0;
        for (const UnitRef unit : allUnits()) {
            const UnitRow &row = unit.unit();
            index.entries.push_back({matchKey(QString::fromUtf8(row.symbol)), unit, ordinal});
            for (const char *name = row.names; *name;) {
                const char *end = std::strchr(name, '|');
                const qsizetype size = end ? end - name : qsizetype(std::strlen(name));
                if (size > 0)
                    index.entries.push_back(
                        {matchKey(QString::fromUtf8(name, size)), unit, ordinal});
                name += end ? size + 1 : size;
            }
            ++ordinal;
        }
        return index;
    }();
    return built;
}

// Edits (insertions, deletions, substitutions and swaps of two neighbours) that turn a into b;
// anything above `limit` is reported as limit + 1.
int editDistance(QStringView a, QStringView b, int limit)
{
    const auto n = a.size();
    const auto m = b.size();
    if (std::abs(n - m) > limit)
        return limit + 1;
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
    for (qsizetype i = 0; i <= n; ++i)
        d[i][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return std::min(d[n][m], limit + 1);
}

void appendNew(QList<UnitRef> &list, const QList<UnitRef> &more)
{
    for (const UnitRef unit : more) {
        if (!list.contains(unit))
            list.append(unit);
    }
}

QList<const Quantity *> quantitiesOf(const QList<UnitRef> &units)
{
    QList<const Quantity *> quantities;
    for (const UnitRef unit : units) {
        if (!quantities.contains(unit.quantity))
            quantities.append(unit.quantity);
    }
    return quantities;
}

// The closest units to `text` among each of the quantities, at most `count` in all.
QList<UnitRef> suggestionsAmong(
    QStringView text, const QList<const Quantity *> &quantities, int count)
{
    QList<UnitRef> found;
    for (const Quantity *q : quantities)
        appendNew(found, suggestions(text, q, count));
    return found.mid(0, count);
}

UnitRef unitOf(const QList<UnitRef> &units, const Quantity *quantity)
{
    for (const UnitRef unit : units) {
        if (unit.quantity == quantity)
            return unit;
    }
    return {};
}

} // namespace

QString unitSymbol(UnitRef unit)
{
    return QString::fromUtf8(unit.unit().symbol);
}

QStringList unitNames(UnitRef unit)
{
    return QString::fromUtf8(unit.unit().names).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString unitCaption(UnitRef unit)
{
    const UnitRow &row = unit.unit();
    return QString::fromUtf8(row.sourceCaption).simplified()
        + QString::fromUtf8(row.superscript.character());
}

QList<UnitRef> allUnits(const Quantity *within)
{
    QList<UnitRef> units;
    for (const Quantity *q : catalogue()) {
        if (within && q != within)
            continue;
        for (int row = 0; row < int(q->rows.size()); ++row)
            units.append({q, row});
    }
    return units;
}

QString matchKey(QStringView text)
{
    // Compatibility decomposition splits accented letters into letter and accent, and turns "²"
    // into "2" and the micro sign into mu. Most texts are plain ASCII and need none of it.
    const bool ascii
        = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString decomposed
        = ascii ? QString() : text.toString().normalized(QString::NormalizationForm_KD);
    const QStringView source = ascii ? text : QStringView(decomposed);
    QString key(source.size(), Qt::Uninitialized);
    QChar *out = key.data();
    qsizetype size = 0;
    bool blank = false;
    for (QChar c : source) {
        if (c == u'^' || c == u'.' || (!ascii && c.category() == QChar::Mark_NonSpacing))
            continue;
        if (c == u' ' || c == u'-' || c == u'_' || c == u'(' || c == u')'
            || (c.unicode() < 0x80 ? c.unicode() >= 9 && c.unicode() <= 13 : c.isSpace())) {
            blank = size > 0 && out[size - 1] != u'/';
            continue;
        }
        if (c == u'\u2019' || c == u'\u2018' || c == u'`')
            c = u'\'';
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
        if (blank && c != u'/')
            out[size++] = u' ';
        blank = false;
        out[size++] = c;
    }
    key.truncate(size);
    return ascii ? key : key.toCaseFolded();
}

QList<UnitRef> findUnits(QStringView text, const Quantity *within)
{
    const QString key = matchKey(text);
    QList<UnitRef> units;
    if (key.isEmpty())
        return units;
    for (const Index::Entry &entry : index().entries) {
        if (entry.key == key && (!within || entry.unit.quantity == within)
            && !units.contains(entry.unit))
            units.append(entry.unit);
    }
    return units;
}

QList<UnitRef> suggestions(QStringView text, const Quantity *within, int count)
{
    const QString key = matchKey(text);
    if (key.isEmpty() || count <= 0)
        return {};
    // Short texts allow fewer edits, or everything would be close to everything.
    const int limit = key.size() <= 3 ? 1 : key.size() <= 6 ? 2 : 3;

    struct Scored {
        int distance;
        int ordinal;
        UnitRef unit;
    };
    std::vector<Scored> best;
    for (const Index::Entry &entry : index().entries) {
        if (within && entry.unit.quantity != within)
            continue;
        int distance = editDistance(key, entry.key, limit);
        if (key.size() >= 3 && entry.key.startsWith(key))
            distance = std::min(distance, 1);
        if (distance > limit)
            continue;
        auto same = std::find_if(
            best.begin(), best.end(), [&](const Scored &s) { return s.unit == entry.unit; });
        if (same == best.end())
            best.push_back({distance, entry.ordinal, entry.unit});
        else
            same->distance = std::min(same->distance, distance);
    }
    std::stable_sort(best.begin(), best.end(), [](const Scored &a, const Scored &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.ordinal < b.ordinal;
    });
    QList<UnitRef> closest;
    for (std::size_t i = 0; i < best.size() && closest.size() < count; ++i)
        closest.append(best[i].unit);
    return closest;
}

PairResolution resolvePair(QStringView from, QStringView to, const Quantity *hint)
{
    PairResolution r;
    r.fromCandidates = findUnits(from, hint);
    r.toCandidates = findUnits(to, hint);
    if (r.fromCandidates.isEmpty() || r.toCandidates.isEmpty()) {
        r.problem = PairResolution::Problem::Unknown;
        if (r.fromCandidates.isEmpty())
            r.fromSuggestions = suggestions(from, hint);
        if (r.toCandidates.isEmpty())
            r.toSuggestions = suggestions(to, hint);
        return r;
    }

    for (const Quantity *q : catalogue()) {
        const UnitRef f = unitOf(r.fromCandidates, q);
        const UnitRef t = unitOf(r.toCandidates, q);
        if (f.isValid() && t.isValid()) {
            r.quantities.append(q);
            r.pair = {f, t};
        }
    }
    if (r.quantities.size() == 1) {
        r.problem = PairResolution::Problem::None;
    } else if (r.quantities.isEmpty()) {
        r.problem = PairResolution::Problem::DifferentQuantities;
        r.fromSuggestions = suggestionsAmong(from, quantitiesOf(r.toCandidates), 5);
        r.toSuggestions = suggestionsAmong(to, quantitiesOf(r.fromCandidates), 5);
    } else {
        r.problem = PairResolution::Problem::Ambiguous;
        r.pair = {};
    }
    return r;
}

UnitResolution resolveUnit(QStringView text, const Quantity *hint)
{
    UnitResolution r;
    r.candidates = findUnits(text, hint);
    if (r.candidates.isEmpty()) {
        r.problem = UnitResolution::Problem::Unknown;
        r.suggestions = suggestions(text, hint);
    } else if (r.candidates.size() == 1) {
        r.unit = r.candidates.first();
    } else {
        r.problem = UnitResolution::Problem::Ambiguous;
    }
    return r;
}

namespace {

QStringList quantityIdsOf(const QList<UnitRef> &units)
{
    QStringList ids;
    for (const UnitRef unit : units)
        ids << quantityId(*unit.quantity);
    return ids;
}

QString unknownUnit(QStringView text, const QList<UnitRef> &closest, const Quantity *hint)
{
    return unknownUnitMessage(
        text, hint ? quantityId(*hint) : QString(), unitDescriptions(closest));
}

} // namespace

QStringList unitDescriptions(const QList<UnitRef> &units)
{
    QStringList parts;
    for (const UnitRef unit : units)
        parts << unitDescription(unitSymbol(unit), quantityId(*unit.quantity), unitCaption(unit));
    return parts;
}

QStringList problemLines(
    const PairResolution &r, QStringView from, QStringView to, const Quantity *hint)
{
    using Problem = PairResolution::Problem;
    QStringList lines;
    switch (r.problem) {
    case Problem::None:
        break;
    case Problem::Unknown:
        if (r.fromCandidates.isEmpty())
            lines << unknownUnit(from, r.fromSuggestions, hint);
        if (r.toCandidates.isEmpty())
            lines << unknownUnit(to, r.toSuggestions, hint);
        break;
    case Problem::DifferentQuantities:
        lines << differentQuantitiesMessage(
            from, quantityIdsOf(r.fromCandidates), to, quantityIdsOf(r.toCandidates));
        if (!r.fromSuggestions.isEmpty())
            lines << nearUnitsMessage(from, unitDescriptions(r.fromSuggestions));
        if (!r.toSuggestions.isEmpty())
            lines << nearUnitsMessage(to, unitDescriptions(r.toSuggestions));
        break;
    case Problem::Ambiguous: {
        QStringList ids, fromCaptions, toCaptions;
        for (const Quantity *q : r.quantities) {
            ids << quantityId(*q);
            fromCaptions << unitCaption(findUnits(from, q).value(0));
            toCaptions << unitCaption(findUnits(to, q).value(0));
        }
        lines << ambiguousPairMessage(from, to, ids, fromCaptions, toCaptions);
        break;
    }
    }
    return lines;
}

QStringList problemLines(const UnitResolution &r, QStringView text, const Quantity *hint)
{
    switch (r.problem) {
    case UnitResolution::Problem::None:
        break;
    case UnitResolution::Problem::Unknown:
        return {unknownUnit(text, r.suggestions, hint)};
    case UnitResolution::Problem::Ambiguous: {
        QStringList captions;
        for (const UnitRef unit : r.candidates)
            captions << unitCaption(unit);
        return {ambiguousUnitMessage(text, quantityIdsOf(r.candidates), captions)};
    }
    }
    return {};
}

} // namespace unitavo
