// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files outside the program that name the quantities name exactly the catalogue's: the
// desktop entry's actions, the manual pages and the search's table of useful targets.
#include "catalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace unitavo;

namespace {

QString read(const char *path)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    return QString::fromUtf8(file.readAll());
}

QStringList ids()
{
    return quantityIds().split(QStringLiteral(", "));
}

// The list of ids in a manual page, around the first place it names the catalogue's first:
// words joined by commas and "or", as in "(accelerazioni, angoli, ..., volumi)" or a run of
// ".BR accelerazioni ," lines.
QStringList listedInPage(const char *path)
{
    QString text = read(path);
    text.remove(QRegularExpression(QStringLiteral("^\\.[A-Z]+ ?"),
        QRegularExpression::MultilineOption)); // the requests: .B, .BR, .TP...
    QStringList tokens;
    for (const auto &m : QRegularExpression(QStringLiteral("[a-z]+|\\S")).globalMatch(text))
        tokens << m.captured();
    const auto isSeparator = [](const QString &t) { return t == u"," || t == u"or"; };
    const auto isWord = [&](qsizetype i) {
        return i >= 0 && i < tokens.size() && tokens[i].front().isLower()
            && !isSeparator(tokens[i]);
    };
    const qsizetype first = tokens.indexOf(ids().first());
    if (first < 0)
        return {};
    // The last word reached from `from` in the direction `step`, one separator or more between
    // two words.
    const auto extend = [&](qsizetype from, qsizetype step) {
        for (;;) {
            qsizetype j = from + step;
            while (j >= 0 && j < tokens.size() && isSeparator(tokens[j]))
                j += step;
            if (j == from + step || !isWord(j))
                return from;
            from = j;
        }
    };
    const qsizetype begin = extend(first, -1);
    const qsizetype end = extend(first, 1);
    QStringList listed;
    for (qsizetype i = begin; i <= end; ++i) {
        if (!isSeparator(tokens[i]))
            listed << tokens[i];
    }
    return listed;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void namedOutside_data();
    void namedOutside();
};

void TestCatalogue::namedOutside_data()
{
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QStringList>("expected");

    QStringList actions, groups, names, commands, captions, openCommands;
    for (const Quantity *q : catalogue()) {
        captions << QString::fromUtf8(q->caption);
        openCommands << QStringLiteral("unitavo --open ") + quantityId(*q);
    }
    bool inAction = false;
    for (const QString &line : read(UNITAVO_DESKTOP_FILE).split(u'\n')) {
        if (line.startsWith(u'['))
            inAction = line.startsWith(QStringLiteral("[Desktop Action "));
        if (line.startsWith(QStringLiteral("Actions=")))
            actions = line.mid(8).split(u';', Qt::SkipEmptyParts);
        else if (inAction && line.startsWith(u'['))
            groups << line.mid(16).chopped(1);
        else if (inAction && line.startsWith(QStringLiteral("Name=")))
            names << line.mid(5);
        else if (inAction && line.startsWith(QStringLiteral("Exec=")))
            commands << line.mid(5);
    }
    QTest::newRow("desktop entry, Actions") << actions << ids();
    QTest::newRow("desktop entry, action groups") << groups << ids();
    QTest::newRow("desktop entry, action names") << names << captions;
    QTest::newRow("desktop entry, action commands") << commands << openCommands;

    QTest::newRow("unitavo.1") << listedInPage(UNITAVO_MAN_DIR "/unitavo.1") << ids();
    QTest::newRow("unitavo-converti.1")
        << listedInPage(UNITAVO_MAN_DIR "/unitavo-converti.1") << ids();

    // Each quantity has its lines in the search's table, in the catalogue's order.
    const QString search = read(UNITAVO_SEARCH_QUERY);
    const qsizetype table = search.indexOf(QStringLiteral("kUsefulTargets[] = {"));
    const QStringView rows = table < 0
        ? QStringView()
        : QStringView(search).mid(table, search.indexOf(QStringLiteral("\n};"), table) - table);
    const QRegularExpression row(
        QStringLiteral("^    \\{\"([a-z]+)\", "), QRegularExpression::MultilineOption);
    QStringList lines;
    for (const auto &m : row.globalMatch(rows)) {
        if (lines.isEmpty() || lines.last() != m.captured(1))
            lines << m.captured(1);
    }
    QTest::newRow("search's useful targets") << lines << ids();
}

void TestCatalogue::namedOutside()
{
    QFETCH(QStringList, named);
    QFETCH(QStringList, expected);
    QCOMPARE(named, expected);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
