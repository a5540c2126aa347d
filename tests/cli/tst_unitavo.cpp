// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// unitavo's own command line as a user runs it, under Italian settings and with no session bus:
// what it prints, on which stream, and whether it ends and with what status.
#include <QProcess>
#include <QTest>

namespace {

// The status of a program that did not end: it opened its windows, as it should.
constexpr int kRunning = -1;

const QString helpHint = QStringLiteral("L'aiuto: unitavo --help\n");
const QString exclusive
    = QStringLiteral("Le opzioni --open, --show e --copy non vanno insieme.\n") + helpHint;

const QString help = QStringLiteral(
    "Uso: unitavo [--open GRANDEZZA [VALORE DA A] | --show | --copy TESTO]\n"
    "     unitavo --help | --version\n"
    "\n"
    "Senza opzioni apre la finestra principale di Unitavo.\n"
    "\n"
    "Opzioni (--open, --show e --copy non vanno insieme):\n"
    "  --open GRANDEZZA  apre anche la finestra della grandezza (lunghezze, forze,\n"
    "                    temperature...); con VALORE DA A scrive il valore, sceglie\n"
    "                    le due unità e preme \"Calcola\". Se Unitavo è già aperto,\n"
    "                    la richiesta passa a quello.\n"
    "  --show            mostra la finestra principale: quella di Unitavo se è già\n"
    "                    aperto, portata in primo piano, altrimenti una nuova.\n"
    "  --copy TESTO      mette il testo negli appunti: tramite Unitavo se è già\n"
    "                    aperto, altrimenti senza finestre, per cinque minuti al massimo.\n"
    "  -h, --help        mostra questo aiuto.\n"
    "  -v, --version     mostra la versione.\n"
    "  --                gli argomenti che seguono non sono opzioni.\n"
    "\n"
    "VALORE si scrive nel formato delle impostazioni regionali (1,5 in italiano, 1.5\n"
    "in inglese), anche negativo; DA e A sono simboli o nomi di unità della\n"
    "grandezza: km, mi, \"miglia nautiche\", degC, %...\n"
    "\n"
    "Esito: 0 quando Unitavo si chiude o passa la richiesta a quello già aperto; 1 se\n"
    "quello la rifiuta; 2 se gli argomenti sono errati.\n");

struct Run {
    QString out;
    QString err;
    int status = -2;
};

// A refusal of the command line ends the program at once. A program that opens its windows runs
// on: it is given a moment to fail instead, then until it has said as much as it should.
enum class Display { Offscreen, None };

Run unitavo(const QStringList &arguments, qsizetype expectedErr, Display display)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    if (display == Display::Offscreen) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        // As on a console or over SSH: Qt's usual platform, with nothing to connect to.
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
    }
    // No Unitavo running in the session may take the request.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
        QStringLiteral("unix:path=/nonexistent/unitavo-test-bus"));
    // Qt's own notes (what the offscreen platform cannot do, a missing XDG_RUNTIME_DIR) are not
    // the program's words.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.warning=false"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(UNITAVO_PROGRAM), arguments);
    Run run;
    QByteArray err;
    QDeadlineTimer deadline(30000);
    if (!process.waitForFinished(3000)) {
        process.setReadChannel(QProcess::StandardError);
        while (process.state() == QProcess::Running && !deadline.hasExpired()
            && QString::fromUtf8(err).size() < expectedErr) {
            process.waitForReadyRead(100);
            err += process.readAllStandardError();
        }
        if (process.state() == QProcess::Running) {
            run.status = kRunning;
            process.kill();
            process.waitForFinished();
        }
    }
    if (run.status != kRunning && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(err + process.readAllStandardError());
    return run;
}

} // namespace

class TestUnitavo : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    // What ends at once needs no display.
    void withoutDisplay_data();
    void withoutDisplay();
};

namespace {

// Every row; with endingOnly, only those of command lines that end at once.
void addRows(bool endingOnly)
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("status");

    const auto row = [endingOnly](const char *tag, const char *line, const QString &out,
                         const QString &err, int status) {
        if (status != kRunning || !endingOnly)
            QTest::newRow(tag) << QString::fromUtf8(line).split(u' ') << out << err << status;
    };
    const QString version = QStringLiteral("unitavo 3.3.0\n");
    row("--help", "--help", help, "", 0);
    row("-h", "-h", help, "", 0);
    row("--version", "--version", version, "", 0);
    row("-v", "-v", version, "", 0);
    // Qt's own options are the application's: they are taken out before the program's are read.
    row("--help after -platform", "-platform offscreen --help", help, "", 0);

    row("--open and --show", "--open lunghezze --show", "", exclusive, 2);
    row("--show and --copy", "--show --copy x", "", exclusive, 2);
    row("--copy and --open", "--copy x --open lunghezze 1 km mi", "", exclusive, 2);
    row("unknown option", "--opne lunghezze", "", "Opzione sconosciuta: «--opne».\n" + helpHint, 2);
    row("unknown short option", "-x", "", "Opzione sconosciuta: «-x».\n" + helpHint, 2);
    row("--open missing", "--open", "", "Manca il valore dopo «--open».\n" + helpHint, 2);
    row("--copy missing", "--copy", "", "Manca il valore dopo «--copy».\n" + helpHint, 2);
    row("argument alone", "lunghezze", "", "Argomenti inattesi: «lunghezze».\n" + helpHint, 2);
    row("negative after --show", "--show -40", "", "Argomenti inattesi: «-40».\n" + helpHint, 2);

    // Refused by the request, not by the command line: the main window opens all the same.
    row("negative value", "--open temperature -40 degC degF", "", "", kRunning);
    row("negative value, unknown unit", "--open temperature -40 degX degF", "",
        "Unità sconosciuta nella grandezza temperature: «degX».\nUnità più vicine: degC "
        "(temperature: Celsius), degF (temperature: Fahrenheit), degR (temperature: Rankine).\n",
        kRunning);
    row("negative value, two units", "--open temperature -40 degC", "",
        "Una conversione si chiede con tre argomenti, VALORE DA A: «-40 degC».\n", kRunning);
    row("point under Italian settings", "--open lunghezze 1.5 km mi", "",
        "Il valore «1.5» non è un numero valido.\n", kRunning);
    row("unknown quantity", "--open niente", "",
        "Grandezza sconosciuta: «niente».\nLe grandezze: accelerazioni, angoli, forze, "
        "lunghezze, massavolumica, pressioni, superfici, temperature, velocita, volumi.\n",
        kRunning);
}

// The row run with the display given, checked whole: its output, its messages and its status.
void checkRow(Display display)
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, status);
    const Run run = unitavo(arguments, err.size(), display);
    QCOMPARE(run.err, err);
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, status);
}

} // namespace

void TestUnitavo::commandLine_data()
{
    addRows(false);
}

void TestUnitavo::commandLine()
{
    checkRow(Display::Offscreen);
}

void TestUnitavo::withoutDisplay_data()
{
    addRows(true);
}

void TestUnitavo::withoutDisplay()
{
    checkRow(Display::None);
}

QTEST_GUILESS_MAIN(TestUnitavo)
#include "tst_unitavo.moc"
