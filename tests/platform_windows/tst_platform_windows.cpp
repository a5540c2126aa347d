// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What Unitavo takes from Windows: the shell's "open" for the links, Arial for the captions, the
// decimal separator of the user's regional settings; and what it does without a session bus.
#include "about.h"
#include "catalogue.h"
#include "converterwindow.h"
#include "linkopener.h"
#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <windows.h>

using namespace unitavo;

// Stands in for the shell: QDesktopServices hands it what it would have opened.
class Shell : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestPlatformWindows : public QObject {
    Q_OBJECT

private:
    static QString regionalDecimalSeparator()
    {
        wchar_t text[8] = {};
        const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
        return n > 1 ? QString::fromWCharArray(text, n - 1) : QString();
    }

private slots:
    void linksGoToTheShellsOpen_data();
    void linksGoToTheShellsOpen();
    void captionsAreArial();
    void decimalSeparatorFollowsRegionalSettings();
    void openWithoutSessionBus();
};

void TestPlatformWindows::linksGoToTheShellsOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("web") << webLink() << QStringLiteral("http")
                         << QStringLiteral("http://") + webAddress();
    // The URL keeps the text; the shell receives its spaces as %20, the comma as it is.
    QTest::newRow("mail") << mailLink() << QStringLiteral("mailto")
                          << QStringLiteral("mailto:") + mailAddress()
            + QStringLiteral("?SUBJECT=Notizie,%20Commenti%20o%20Problemi%20su%20Unitavo");
}

void TestPlatformWindows::linksGoToTheShellsOpen()
{
    QFETCH(QString, link);
    QFETCH(QString, scheme);
    QFETCH(QString, encoded);
    Shell shell;
    QDesktopServices::setUrlHandler(scheme, &shell, "open");
    openWithDesktop(link);
    openWithDesktop(link);
    QDesktopServices::unsetUrlHandler(scheme);

    // Each click is one request of its own, with the whole text.
    QCOMPARE(shell.opened.size(), qsizetype(2));
    for (const QUrl &url : shell.opened) {
        QCOMPARE(QUrl::fromPercentEncoding(url.toEncoded()), link);
        QCOMPARE(url.toString(QUrl::FullyEncoded), encoded);
    }
}

void TestPlatformWindows::captionsAreArial()
{
    MainWindow main([](const QString &) {});
    ConverterWindow lengths(quantities::lunghezze());
    lengths.present();
    for (QWidget *w : {static_cast<QWidget *>(&main), static_cast<QWidget *>(&lengths)}) {
        QCOMPARE(w->font().families().value(0), QStringLiteral("Arial"));
        const auto buttons = w->findChildren<QRadioButton *>();
        for (QRadioButton *b : buttons)
            QCOMPARE(b->font().families().value(0), QStringLiteral("Arial"));
    }
}

void TestPlatformWindows::decimalSeparatorFollowsRegionalSettings()
{
    // No locale is set by the program: what the user chose in Windows decides.
    const QString separator = regionalDecimalSeparator();
    QVERIFY2(!separator.isEmpty(), "Windows gave no decimal separator");
    qInfo("regional decimal separator: \"%s\"", qPrintable(separator));

    ConverterWindow w(quantities::forze());
    w.present();
    w.findChild<QRadioButton *>(QStringLiteral("opt_g1"))->click();
    w.findChild<QRadioButton *>(QStringLiteral("opt_kg2"))->click();
    auto *input = w.findChild<QLineEdit *>(QStringLiteral("txt_conv"));
    input->setText(QStringLiteral("1") + separator + QStringLiteral("5"));
    w.calcola();
    // 1.5 g = 0.0015 kg
    QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("txt_sol"))->text(),
        QStringLiteral("0") + separator + QStringLiteral("0015"));
}

void TestPlatformWindows::openWithoutSessionBus()
{
    // What the windows show once unitavo --open has made its conversion, read while it runs.
    struct Seen {
        bool main = false;
        QString value, result, from, to;
    } seen;
    QTimer look;
    look.setInterval(50);
    look.callOnTimeout([&seen] {
        QWidget *main = nullptr;
        QWidget *lengths = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == QLatin1String("frm_conv"))
                main = w;
            if (w->isVisible() && w->objectName() == QLatin1String("frm_lunghezze"))
                lengths = w;
        }
        const auto *result
            = lengths ? lengths->findChild<QLineEdit *>(QStringLiteral("txt_sol")) : nullptr;
        if (!result || result->text().isEmpty())
            return;
        seen.main = main != nullptr;
        seen.value = lengths->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->text();
        seen.result = result->text();
        for (QRadioButton *b : lengths->findChildren<QRadioButton *>()) {
            if (b->isChecked())
                (b->objectName().endsWith(u'1') ? seen.from : seen.to) = b->objectName();
        }
        QApplication::closeAllWindows();
    });
    look.start();
    // Without a request carried out, the test ends rather than waits.
    QTimer::singleShot(20000, qApp, [] { QApplication::closeAllWindows(); });

    // No session bus to hand the request to: this program opens the windows itself, the main
    // window and the lengths window with 3 km in miles.
    const int status = unitavo::start(
        {QStringLiteral("unitavo"), QStringLiteral("--open"), QStringLiteral("lunghezze"),
            QStringLiteral("3"), QStringLiteral("km"), QStringLiteral("mi")});
    QCOMPARE(status, 0);
    QVERIFY(seen.main);
    QCOMPARE(seen.value, QStringLiteral("3"));
    QCOMPARE(seen.from, QStringLiteral("km1"));
    QCOMPARE(seen.to, QStringLiteral("mil2"));
    // 3 km / 1.609344 km per mile
    QCOMPARE(seen.result,
        QStringLiteral("1") + regionalDecimalSeparator() + QStringLiteral("8641135766"));
}

QTEST_MAIN(TestPlatformWindows)
#include "tst_platform_windows.moc"
