// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search service and `unitavo --open` on a private session bus (dbus-run-session). This
// program answers as the Unitavo running in the session: the bus starts the service from its
// .service file, and what the service or a second `unitavo` asks for arrives here.
#include "catalogue.h"
#include "instance.h"
#include "mainwindow.h"
#include "service.h"
#include "sessionbus.h"
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

const char *const kGnome = "org.gnome.Shell.SearchProvider2";
const char *const kRunner = "org.kde.krunner1";

QList<QVariant> call(
    const char *path, const char *interface, const char *method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kServiceName),
        QLatin1String(path), QLatin1String(interface), QLatin1String(method));
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 20000).arguments();
}

// The titles GNOME Shell shows for a query.
QStringList gnomeTitles(const QString &query)
{
    const QVariant ids
        = call(kGnomePath, kGnome, "GetInitialResultSet", {query.split(u' ')}).value(0);
    QStringList titles;
    for (const QVariantMap &meta :
        qdbus_cast<QList<QVariantMap>>(call(kGnomePath, kGnome, "GetResultMetas", {ids}).value(0)))
        titles << meta.value(QStringLiteral("name")).toString();
    return titles;
}

// The methods of the interface at the path, each as "Name(in)out" with its arguments' types.
QStringList methods(const char *path, const char *interface)
{
    QXmlStreamReader xml(
        call(path, "org.freedesktop.DBus.Introspectable", "Introspect", {}).value(0).toString());
    QStringList names;
    QStringList types[2]; // of the arguments in and out, one entry a method
    bool inside = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attribute
            = [&](const char *a) { return xml.attributes().value(QLatin1String(a)); };
        if (xml.name() == QLatin1String("interface")) {
            inside = attribute("name") == QLatin1String(interface);
        } else if (inside && xml.name() == QLatin1String("method")) {
            names << attribute("name").toString();
            types[0] << QString();
            types[1] << QString();
        } else if (inside && xml.name() == QLatin1String("arg")) {
            types[attribute("direction") == u"out"].last() += attribute("type");
        }
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] += u'(' + types[0][i] + u')' + types[1][i];
    names.sort();
    return names;
}

struct Run {
    int status = -1;
    QString err;
};

// Runs unitavo to its end while this program keeps answering on the bus.
Run runUnitavo(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(UNITAVO_PROGRAM), arguments);
    const QDeadlineTimer deadline(30000);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// What the quantity's converter window shows: its checked unit buttons, its input and its result.
QString shown(const MainWindow &main, const QString &id)
{
    const auto *window = main.existingWindow(*findQuantityById(id));
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

// A number as the session's settings write it: "6,2" under Italian ones, "6.2" under English.
QString local(const char *number)
{
    return QString::fromLatin1(number).replace(u'.', QLocale().decimalPoint());
}

} // namespace

class TestBus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void interfaces();
    void golden_data();
    void golden();
    void activation_data();
    void activation();
    void krunnerCopies();
    void secondOpenReachesThisOne();
    void launchSearchShowsThisOne();
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
    setReporter([this](QWidget *, const QString &message) { m_reports << message; });
    m_main = std::make_unique<MainWindow>([](const QString &) {});
    m_main->show();
    m_instance = std::make_unique<Instance>(*m_main);
    QVERIFY(exportOnBus(*m_instance));
    QCOMPARE(claimBusName(false), Claim::Holding);
}

void TestBus::cleanupTestCase()
{
    setReporter({});
}

// The signatures GNOME Shell's and KRunner's documentation give, read by introspection; the first
// call starts the service through its .service file.
void TestBus::interfaces()
{
    QCOMPARE(methods(kGnomePath, kGnome),
        QStringList({"ActivateResult(sasu)", "GetInitialResultSet(as)as",
            "GetResultMetas(as)aa{sv}", "GetSubsearchResultSet(asas)as", "LaunchSearch(asu)"}));
    QCOMPARE(methods(kRunnerPath, kRunner),
        QStringList({"Actions()a(sss)", "Match(s)a(sssida{sv})", "Run(ss)", "Teardown()"}));
}

void TestBus::golden_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("words"); // the first result's description, where it is checked

    // Worked by hand: 10 km = 10000 m, x 0.0006213711922 mi/m; 3 in = 3 / 39.37007874 m;
    // 10 % = arctan(0.1) = 5.7105931374996... degrees.
    const bool italian = QLocale().decimalPoint() == u',';
    const QString none;
    QTest::newRow("in") << "10 km in mi" << QStringList{local("6.213711922 mi")}
                        << "Lunghezze: 10 chilometri (km) in miglia (mil)";
    QTest::newRow("no word") << "10 km mi" << QStringList{local("6.213711922 mi")} << none;
    QTest::newRow("a") << "10,5 km a m" << (italian ? QStringList{"10500 m"} : QStringList{})
                       << (italian ? "Lunghezze: 10,5 chilometri (km) in metri (m)" : none);
    QTest::newRow("in in") << "3 in in cm" << QStringList{local("7.62000000003048 cm")} << none;
    QTest::newRow("slope") << "10 % in gradi" << QStringList{local("5.71059313749964 deg")}
                           << "Angoli: 10 gradi percentuali in gradi sessagesimali";
    QTest::newRow("1.5") << "1.5 km in m" << (italian ? QStringList{} : QStringList{"1500 m"})
                         << none;
    QTest::newRow("one unit") << "10 km"
                              << QStringList{local("6.213711922 mi"), "10000 m",
                                     local("5.399568035 nmi")}
                              << none;
}

void TestBus::golden()
{
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    QFETCH(QString, words);

    QCOMPARE(gnomeTitles(query), expected);
    QStringList texts;
    const auto matches
        = qdbus_cast<RemoteMatches>(call(kRunnerPath, kRunner, "Match", {query}).value(0));
    for (const RemoteMatch &m : matches)
        texts << m.text;
    QCOMPARE(texts, expected);
    if (!words.isEmpty())
        QCOMPARE(matches.first().properties.value(QStringLiteral("subtext")).toString(), words);
}

void TestBus::activation_data()
{
    QTest::addColumn<bool>("gnome");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("shows");

    QTest::newRow("GNOME Shell") << true << "-40 degC in degF"
                                 << "C F2|-40|-40";
    QTest::newRow("KRunner") << false << "2 km in m"
                             << "km1 m2|2|2000";
}

void TestBus::activation()
{
    QFETCH(bool, gnome);
    QFETCH(QString, query);
    QFETCH(QString, shows);

    const Conversion conversion = readQuery(query, QLocale()).value(0);
    QVERIFY(conversion.pair.from.isValid());
    const QString id = resultId(conversion);
    if (gnome)
        call(kGnomePath, kGnome, "ActivateResult", {id, query.split(u' '), 0u});
    else
        call(kRunnerPath, kRunner, "Run", {id, QString()});
    // The service starts unitavo --open, which hands the request to this program.
    QTRY_COMPARE_WITH_TIMEOUT(
        shown(*m_main, quantityId(*conversion.pair.from.quantity)), shows, 30000);
}

void TestBus::krunnerCopies()
{
    QGuiApplication::clipboard()->clear();
    const QString id = resultId(readQuery(QStringLiteral("10 km in mi"), QLocale()).value(0));
    call(kRunnerPath, kRunner, "Run", {id, QStringLiteral("copy")});
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), local("6.213711922"), 30000);
}

void TestBus::secondOpenReachesThisOne()
{
    // The second program ends once it has handed the request over: it kept no main window open.
    QCOMPARE(runUnitavo({"--open", "superfici", "2", "ha", "m2"}).status, 0);
    QTRY_COMPARE(shown(*m_main, QStringLiteral("superfici")), "ettari m2|2|20000");
}

// A search that gives no conversion starts Unitavo, which here is this program: its main window
// comes back, and the program the service started ends without a window of its own.
void TestBus::launchSearchShowsThisOne()
{
    m_main->hide();
    call(kGnomePath, kGnome, "LaunchSearch", {QStringList{"nessuna", "conversione"}, 0u});
    QTRY_VERIFY_WITH_TIMEOUT(m_main->isVisible(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        QProcess::execute(QStringLiteral("pgrep"), {"-f", "unitavo --show$"}) == 1, 30000);
}

void TestBus::refused()
{
    // A window showing 1 m/s = 3.6 km/h, as the program asked for it opens it, is asked for a
    // value that is no number here.
    const QString velocity = QStringLiteral("velocita");
    QVERIFY(m_instance->open(velocity, {"1", "m/s", "km/h"}).isEmpty());
    const QString before = local("kmh2 msec|1|3.6");
    QTRY_COMPARE(shown(*m_main, velocity), before);
    m_reports.clear();

    const QString value = QLocale().decimalPoint() == u',' ? "1.5" : "1,5";
    const Run run = runUnitavo({"--open", "velocita", value, "km/h", "kn"});
    const QString message = QStringLiteral("Il valore «%1» non è un numero valido.").arg(value);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.endsWith(message + u'\n'), qPrintable(run.err)); // after any of Qt's notes
    QTRY_COMPARE(m_reports, QStringList{message});
    QCOMPARE(shown(*m_main, velocity), before);
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
