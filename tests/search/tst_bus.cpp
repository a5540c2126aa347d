// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search service and `unitavo --open` on a private session bus (dbus-run-session). This
// program answers as the Unitavo running in the session: the bus starts the service from its
// .service file, and what the service or a second `unitavo` asks for arrives here.
#include "catalogue.h"
#include "instance.h"
#include "mainwindow.h"
#include "service.h"
#include "windowsupport.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QXmlStreamReader>

using namespace unitavo;
using namespace unitavo::search;

namespace {

QDBusMessage callService(
    const char *path, const char *interface, const char *method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kServiceName),
        QLatin1String(path), QLatin1String(interface), QLatin1String(method));
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 20000);
}

// The titles GNOME Shell shows for a query, and those KRunner shows.
QStringList gnomeTitles(const QString &query)
{
    const QDBusMessage ids = callService(
        kGnomePath, "org.gnome.Shell.SearchProvider2", "GetInitialResultSet", {query.split(u' ')});
    const QDBusMessage metas = callService(kGnomePath, "org.gnome.Shell.SearchProvider2",
        "GetResultMetas", {ids.arguments().value(0)});
    QStringList titles;
    for (const QVariantMap &meta :
        qdbus_cast<QList<QVariantMap>>(metas.arguments().value(0).value<QDBusArgument>()))
        titles << meta.value(QStringLiteral("name")).toString();
    return titles;
}

RemoteMatches krunnerMatches(const QString &query)
{
    const QDBusMessage reply = callService(kRunnerPath, "org.kde.krunner1", "Match", {query});
    return qdbus_cast<RemoteMatches>(reply.arguments().value(0).value<QDBusArgument>());
}

struct Run {
    int status = -1;
    QString err;
};

// Runs the program to its end while this one keeps answering on the bus.
Run runUnitavo(const QStringList &arguments,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(UNITAVO_PROGRAM), arguments);
    const QDeadlineTimer deadline(30000);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// What a converter window shows: its checked unit buttons, its input and its result.
QString shown(const ConverterWindow *window)
{
    if (!window || !window->isVisible())
        return QStringLiteral("(not shown)");
    QStringList checked;
    for (const QRadioButton *b : window->findChildren<QRadioButton *>()) {
        if (b->isChecked())
            checked << b->objectName();
    }
    checked.sort();
    return QStringList{checked.join(u' '), test::child<QLineEdit>(*window, kInputBox)->text(),
        test::child<QLineEdit>(*window, kResultBox)->text()}
        .join(u'|');
}

int indexOf(const char *id)
{
    const auto &all = catalogue();
    for (int i = 0; i < int(all.size()); ++i) {
        if (quantityId(*all[i]) == QLatin1String(id))
            return i;
    }
    return -1;
}

bool italianSettings()
{
    return QLocale().decimalPoint() == QLatin1String(",");
}

} // namespace

class TestBus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void interfaces_data();
    void interfaces();
    void golden_data();
    void golden();
    void activation_data();
    void activation();
    void krunnerCopies();
    void openHere();
    void secondOpenReachesThisOne();
    void refused_data();
    void refused();
    void startsWithoutBus();

private:
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<Instance> m_instance;
    QStringList m_reports;
};

void TestBus::initTestCase()
{
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    registerTypes();
    setMessageReporter([this](QWidget *, const QString &message) { m_reports << message; });
    setFailureReporter([this](QWidget *, Failure) { m_reports << QStringLiteral("failure"); });
    m_main = std::make_unique<MainWindow>([](const QString &) {});
    m_main->show();
    m_instance = std::make_unique<Instance>(*m_main);
    QVERIFY(m_instance->exportOnBus());
    QCOMPARE(claimBusName(false), Claim::Holding);
}

void TestBus::cleanupTestCase()
{
    setMessageReporter({});
    setFailureReporter({});
}

void TestBus::interfaces_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");

    // The signatures GNOME Shell's and KRunner's documentation give.
    const QString gnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
    const QString runner = QStringLiteral("org.kde.krunner1");
    const QString g = QLatin1String(kGnomePath);
    const QString k = QLatin1String(kRunnerPath);
    QTest::newRow("GetInitialResultSet") << g << gnome << "GetInitialResultSet"
                                         << "as"
                                         << "as";
    QTest::newRow("GetSubsearchResultSet") << g << gnome << "GetSubsearchResultSet"
                                           << "asas"
                                           << "as";
    QTest::newRow("GetResultMetas") << g << gnome << "GetResultMetas"
                                    << "as"
                                    << "aa{sv}";
    QTest::newRow("ActivateResult") << g << gnome << "ActivateResult"
                                    << "sasu"
                                    << "";
    QTest::newRow("LaunchSearch") << g << gnome << "LaunchSearch"
                                  << "asu"
                                  << "";
    QTest::newRow("Match") << k << runner << "Match"
                           << "s"
                           << "a(sssida{sv})";
    QTest::newRow("Actions") << k << runner << "Actions"
                             << ""
                             << "a(sss)";
    QTest::newRow("Run") << k << runner << "Run"
                         << "ss"
                         << "";
    QTest::newRow("Teardown") << k << runner << "Teardown"
                              << ""
                              << "";
}

void TestBus::interfaces()
{
    QFETCH(QString, path);
    QFETCH(QString, interface);
    QFETCH(QString, method);
    QFETCH(QString, in);
    QFETCH(QString, out);

    // The first call starts the service through its .service file.
    const QDBusMessage reply
        = callService(qPrintable(path), "org.freedesktop.DBus.Introspectable", "Introspect", {});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QXmlStreamReader xml(reply.arguments().value(0).toString());
    QString inInterface;
    QString inMethod;
    QString found[2]; // the types of the method's arguments in and out
    bool seen = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.attributes().value(QLatin1String("name")).toString();
        if (xml.name() == QLatin1String("interface")) {
            inInterface = name;
        } else if (xml.name() == QLatin1String("method")) {
            inMethod = name;
            seen = seen || (inInterface == interface && inMethod == method);
        } else if (xml.name() == QLatin1String("arg")
            && inInterface == interface && inMethod == method) {
            const bool isOut = xml.attributes().value(QLatin1String("direction")) == u"out";
            found[isOut] += xml.attributes().value(QLatin1String("type"));
        }
    }
    QVERIFY(seen);
    QCOMPARE(found[0], in);
    QCOMPARE(found[1], out);
}

void TestBus::golden_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("words"); // the first result's description, where it is checked

    const bool it = italianSettings();
    // Worked by hand: 10 km = 10000 m, x 0.0006213711922 mi/m; 3 in = 3 / 39.37007874 m;
    // 10 % = arctan(0.1) = 5.7105931374996... degrees.
    const QString none;
    QTest::newRow("in") << "10 km in mi" << QStringList{it ? "6,213711922 mi" : "6.213711922 mi"}
                        << "Lunghezze: 10 chilometri (km) in miglia (mil)";
    QTest::newRow("no word") << "10 km mi" << QStringList{it ? "6,213711922 mi" : "6.213711922 mi"}
                             << none;
    QTest::newRow("a") << "10,5 km a m" << (it ? QStringList{"10500 m"} : QStringList{})
                       << (it ? "Lunghezze: 10,5 chilometri (km) in metri (m)" : none);
    QTest::newRow("in in") << "3 in in cm"
                           << QStringList{it ? "7,62000000003048 cm" : "7.62000000003048 cm"}
                           << none;
    QTest::newRow("slope") << "10 % in gradi"
                           << QStringList{it ? "5,71059313749964 deg" : "5.71059313749964 deg"}
                           << "Angoli: 10 gradi percentuali in gradi sessagesimali";
    QTest::newRow("1.5") << "1.5 km in m" << (it ? QStringList{} : QStringList{"1500 m"}) << none;
    QTest::newRow("one unit") << "10 km"
                              << (it ? QStringList{"6,213711922 mi", "10000 m", "5,399568035 nmi"}
                                     : QStringList{"6.213711922 mi", "10000 m", "5.399568035 nmi"})
                              << none;
}

void TestBus::golden()
{
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    QFETCH(QString, words);

    QCOMPARE(gnomeTitles(query), expected);
    const RemoteMatches matches = krunnerMatches(query);
    QStringList texts;
    for (const RemoteMatch &m : matches)
        texts << m.text;
    QCOMPARE(texts, expected);
    if (!words.isEmpty())
        QCOMPARE(matches.first().properties.value(QStringLiteral("subtext")).toString(), words);
}

void TestBus::activation_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("shows");

    const bool it = italianSettings();
    QTest::newRow("GNOME Shell") << "gnome" << (it ? "10 km in mi" : "-40 degC in degF")
                                 << (it ? "lunghezze" : "temperature")
                                 << (it ? "km1 mil2|10|6,213711922" : "C F2|-40|-40");
    QTest::newRow("KRunner") << "krunner" << (it ? "3 5/8 in-frac in cm" : "1 kg in N")
                             << (it ? "lunghezze" : "forze")
                             << (it ? "cm2 in_1_2|3|9,20750000003683" : "opt_kg1 opt_n2|1|9.80665");
}

void TestBus::activation()
{
    QFETCH(QString, interface);
    QFETCH(QString, query);
    QFETCH(QString, quantity);
    QFETCH(QString, shows);

    const QList<Conversion> read = readQuery(query, QLocale());
    QVERIFY(!read.isEmpty());
    const QString id = resultId(read.first());
    if (interface == QLatin1String("gnome"))
        callService(kGnomePath, "org.gnome.Shell.SearchProvider2", "ActivateResult",
            {id, query.split(u' '), 0u});
    else
        callService(kRunnerPath, "org.kde.krunner1", "Run", {id, QString()});
    // The service starts `unitavo --open`, which hands the request to this program.
    const int index = indexOf(qPrintable(quantity));
    QTRY_COMPARE_WITH_TIMEOUT(shown(m_main->existingWindow(index)), shows, 30000);
}

void TestBus::krunnerCopies()
{
    QGuiApplication::clipboard()->clear();
    const QString id = resultId(readQuery(QStringLiteral("10 km in mi"), QLocale()).first());
    callService(kRunnerPath, "org.kde.krunner1", "Run", {id, QStringLiteral("copy")});
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(),
        italianSettings() ? QStringLiteral("6,213711922") : QStringLiteral("6.213711922"), 30000);
}

void TestBus::openHere()
{
    // What the first `unitavo --open` does in its own process: 1 atm = 1.01325 bar.
    QVERIFY(m_instance->open(QStringLiteral("pressioni"), {"1", "atm", "bar"}).isEmpty());
    QTRY_COMPARE(shown(m_main->existingWindow(indexOf("pressioni"))),
        QStringLiteral("atm1 bar2|1|1") + QLocale().decimalPoint() + QStringLiteral("01325"));
}

void TestBus::secondOpenReachesThisOne()
{
    // The second program ends once it has handed the request over: it kept no main window open.
    const Run run = runUnitavo({"--open", "superfici", "2", "ha", "m2"});
    QCOMPARE(run.status, 0);
    QTRY_COMPARE(
        shown(m_main->existingWindow(indexOf("superfici"))), QStringLiteral("ettari m2|2|20000"));
}

void TestBus::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString point = italianSettings() ? QStringLiteral("1.5") : QStringLiteral("1,5");
    QTest::newRow("number") << QStringList{"--open", "velocita", point, "km/h", "kn"}
                            << QStringLiteral("Il valore «%1» non è un numero valido.").arg(point);
    QTest::newRow("unit") << QStringList{"--open", "velocita", "1", "km/h", "km"}
                          << "Unità sconosciuta nella finestra Velocità: «km».";
    QTest::newRow("count") << QStringList{"--open", "velocita", "1", "km/h"}
                           << "Una conversione si chiede con tre argomenti, VALORE DA A: «1 km/h».";
}

void TestBus::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const int index = indexOf("velocita");
    QVERIFY(m_instance->open(QStringLiteral("velocita"), {"1", "m/s", "km/h"}).isEmpty());
    // 1 m/s = 3.6 km/h.
    const QString before = QStringLiteral("kmh2 msec|1|3") + QLocale().decimalPoint() + u'6';
    QTRY_COMPARE(shown(m_main->existingWindow(index)), before);
    m_reports.clear();

    const Run run = runUnitavo(arguments);
    QCOMPARE(run.status, 1);
    // The message goes to standard error and to the usual report, in its first words at least.
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QTRY_COMPARE(m_reports.size(), 1);
    QVERIFY(m_reports.first().startsWith(message));
    QVERIFY(run.err.contains(m_reports.first()));
    QCOMPARE(shown(m_main->existingWindow(index)), before);
}

void TestBus::startsWithoutBus()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
        QStringLiteral("unix:path=/nonexistent/unitavo-test-bus"));
    for (const QStringList &arguments :
        {QStringList(), QStringList{"--open", "volumi", "1", "l", "ml"}}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(UNITAVO_PROGRAM), arguments);
        QVERIFY(process.waitForStarted());
        // Still running with its windows open, rather than ended for want of a bus.
        QVERIFY(!process.waitForFinished(3000));
        process.kill();
        process.waitForFinished();
    }
}

QTEST_MAIN(TestBus)
#include "tst_bus.moc"
