// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// unitavo-converti as a user runs it, under Italian and English settings: standard output,
// standard error and exit status of each command line.
#include "unitnames.h"

#include <QLocale>
#include <QProcess>
#include <QTest>

namespace {

const QString italian = QStringLiteral("it_IT.UTF-8");
const QString english = QStringLiteral("en_US.UTF-8");

const QString notANumber = QStringLiteral("Il valore inserito non è un numero valido.\n");
const QString outOfRange = QStringLiteral(
    "Il numero è fuori dall'intervallo consentito: il risultato non è rappresentabile.\n");
const QString listHint = QStringLiteral("L'elenco delle unità: unitavo-converti --list\n");

struct Run {
    QString out;
    QString err;
    int status = -1;
};

Run converti(const QStringList &arguments, const QString &locale)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(UNITAVO_CONVERTI), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()), process.exitCode()};
}

} // namespace

class TestConverti : public QObject {
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void listsEveryUnit();
    void helpAndVersion();
    void failedWrite_data();
    void failedWrite();
};

void TestConverti::golden_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("status");

    const auto row = [](const char *tag, const QString &locale, const QStringList &arguments,
                         const QString &out, const QString &err, int status) {
        QTest::addRow("%s, %s", tag, qPrintable(locale.left(2)))
            << arguments << locale << out << err << status;
    };
    const auto args = [](const char *line) { return QString::fromUtf8(line).split(u' '); };

    row("km to mi", italian, args("3 km mi"), "1,8641135766\n", "", 0);
    row("km to mi", english, args("3 km mi"), "1.8641135766\n", "", 0);
    row("point", italian, args("1.5 km m"), "", notANumber, 1);
    row("point", english, args("1.5 km m"), "1500\n", "", 0);
    row("comma", italian, args("1,5 km m"), "1500\n", "", 0);
    row("comma", english, args("1,5 km m"), "", notANumber, 1);
    row("names", italian, {"2", "miglia nautiche", "Chilometri"}, "3,70399999969627\n", "", 0);
    row("g with m/s2", italian, args("1 g m/s2"), "9,80664999978774\n", "", 0);
    row("g with g", italian, args("1 g g"), "",
        "La coppia «g» «g» vale in più grandezze: accelerazioni (g → g) oppure forze (grammo (g) "
        "→ grammo (g)).\nScegli la grandezza con --quantity accelerazioni oppure --quantity "
        "forze.\n"
            + listHint,
        2);
    row("g with g, forces", english, args("--quantity forze 1 g g"), "1\n", "", 0);
    row("fractional inch in", italian, {"3 5/8", "in-frac", "cm"}, "9,20750000003683\n", "", 0);
    row("fraction unquoted", english, args("3 5/8 in-frac in-frac"), "3 20/32\n", "", 0);
    row("fractional inch out", italian, args("1 m in-frac"), "39 12/32\n", "", 0);
    row("percent slope", italian, args("50 % deg"), "26,565051177078\n", "", 0);
    row("percent slope past 100", italian, args("150 % deg"), "",
        "Nessun risultato: la pendenza in percentuale si converte solo fino al 100% (45 "
        "gradi).\n",
        1);
    row("overflow", italian, args("1E308 km nm"), "", outOfRange, 1);
    row("overflow", english, args("833 m in-frac"), "", outOfRange, 1);
    row("negative", english, args("-40 degC degF"), "-40\n", "", 0);
    row("after --", italian, args("-- -0,5 degC K"), "272,65\n", "", 0);
    row("text copied", italian, args("abc m m"), "abc\n", "", 0);
    row("two quantities", italian, args("1 km kg"), "",
        "Le unità «km» (lunghezze) e «kg» (forze) sono di grandezze diverse.\nUnità vicine a "
        "«km»: kg (forze: chilogrammo (kg)), kN (forze: chilonewton (kN)).\nUnità vicine a «kg»: "
        "km (lunghezze: chilometri (km)).\n"
            + listHint,
        2);
    row("unknown unit", english, args("1 kmx m"), "",
        "Unità sconosciuta: «kmx».\nUnità più vicine: km (lunghezze: chilometri (km)), km2 "
        "(superfici: km²), km/h (velocita: km/h).\n"
            + listHint,
        2);
    row("table", italian, args("1 degC"),
        "degC   1       Celsius\ndegF   33,8    Fahrenheit\nK      274,15  Kelvin\n"
        "degR   493,47  Rankine\ndegRe  0,8     Rèaumur\n",
        "", 0);
    row("table", english, args("-q temperature 1 K"),
        "degC   -272.15           Celsius\ndegF   -457.87           Fahrenheit\n"
        "K      1                 Kelvin\ndegR   1.80000000000007  Rankine\n"
        "degRe  -217.72           Rèaumur\n",
        "", 0);
    row("table of nothing", italian, args("abc km"), "", notANumber, 1);
    row("unknown quantity", italian, args("-q niente 1 km m"), "",
        "Grandezza sconosciuta: «niente».\nLe grandezze: accelerazioni, angoli, forze, "
        "lunghezze, massavolumica, pressioni, superfici, temperature, velocita, volumi.\n",
        2);
    row("unknown option", italian, args("-x 1 km m"), "",
        "Opzione sconosciuta: «-x».\nL'aiuto: unitavo-converti --help\n", 2);
    row("value alone", italian, args("1"), "",
        "Uso: unitavo-converti [OPZIONI] VALORE DA [A]\nL'aiuto: unitavo-converti --help\n", 2);
}

void TestConverti::golden()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, status);
#ifdef Q_OS_WIN
    // Windows takes the regional settings from the system, not from the environment, and the
    // program run here has the test's own: each run checks the rows of its settings.
    if (!locale.startsWith(QLocale::system().name()))
        QSKIP("a row for other regional settings");
#endif
    const Run run = converti(arguments, locale);
    QCOMPARE(run.err, err);
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, status);
}

// One line per unit: quantity id, symbol, the two button names, the caption with its blanks
// collapsed, then the names; each unit found again by its symbol and by each name.
void TestConverti::listsEveryUnit()
{
    const Run all = converti({QStringLiteral("--list")}, english);
    QCOMPARE(all.status, 0);
    const QStringList lines = all.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), unitavo::allUnits().size());
    for (const QString &line : lines) {
        const QStringList fields = line.split(u'\t');
        QVERIFY2(fields.size() >= 5, qPrintable(line));
        QVERIFY2(!fields[4].contains(QStringLiteral("  ")), qPrintable(line));
    }
    const Run temperatures
        = converti(QString::fromUtf8("-q temperature --list").split(u' '), italian);
    QVERIFY(temperatures.out.startsWith(
        QStringLiteral("temperature\tdegC\tC\tC2\tCelsius\t°C\tC\tcelsius\t")));
    QCOMPARE(temperatures.out.count(u'\n'), 5);
}

void TestConverti::helpAndVersion()
{
    const Run help = converti({QStringLiteral("--help")}, italian);
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Uso: unitavo-converti [OPZIONI] VALORE DA [A]\n")));
    QCOMPARE(help.err, QString());
    const Run version = converti({QStringLiteral("-v")}, italian);
    QCOMPARE(version.out, QStringLiteral("unitavo-converti 3.3.0\n"));
    QCOMPARE(version.status, 0);
}

// Output that cannot be written is a failure with its cause, whichever form was asked for; a
// closed standard output (a shell's ">&-") as much as a full disk.
void TestConverti::failedWrite_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("cause");

    const QString full = QStringLiteral("non c'è più spazio sul dispositivo");
    QTest::newRow("one, full") << QStringList{"3", "km", "mi"} << false << full;
    QTest::newRow("table, full") << QStringList{"1", "degC"} << false << full;
    QTest::newRow("list, full") << QStringList{"--list"} << false << full;
    QTest::newRow("one, closed") << QStringList{"3", "km", "mi"} << true
                                 << "l'uscita standard è chiusa";
}

void TestConverti::failedWrite()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QFETCH(QString, cause);
#ifdef Q_OS_WIN
    QSKIP("Windows has no /dev/full, nor a shell to close a stream");
#endif
    QProcess process;
    if (closed) {
        process.start(QStringLiteral("/bin/sh"),
            QStringList{"-c", "exec \"$0\" \"$@\" >&-", QStringLiteral(UNITAVO_CONVERTI)}
                + arguments);
    } else {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(UNITAVO_CONVERTI), arguments);
    }
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
        QStringLiteral("Non riesco a scrivere sull'uscita standard: %1.\n").arg(cause));
    QCOMPARE(process.exitCode(), 1);
}

QTEST_GUILESS_MAIN(TestConverti)
#include "tst_converti.moc"
