// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up window: buttons, link labels and the life of the converter windows.
#include "about.h"
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "windowsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// Contrast of two colours by the relative luminance of their sRGB components, 1:1 to 21:1.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

QPalette paletteWith(const QColor &window, const QColor &text, const QColor &link)
{
    QPalette p(text, window);
    p.setColor(QPalette::Link, link);
    return p;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QStringList m_opened;
    MainWindow *makeWindow()
    {
        m_opened.clear();
        return new MainWindow([this](const QString &a) { m_opened << a; });
    }
    static QPushButton *button(QWidget *w, const char *name)
    {
        return w->findChild<QPushButton *>(QLatin1String(name));
    }

private slots:
    void buttonsInOrder();
    void tabChainWrapsAndSkipsLabels();
    void linkLabels();
    void linkClicksHandExactTexts();
    void linkColourReads_data();
    void linkColourReads();
    void forzeOpensOnce();
    void reopenAfterClosing();
    void closingMainLeavesConverterWorking();
};

void TestMainWindow::buttonsInOrder()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    QCOMPARE(w->objectName(), QStringLiteral("frm_conv"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Unitavo 3.3"));
    QCOMPARE(w->size(), QSize(115, 286)); // 1725 x 4290 twips

    const QList<QPair<QString, QString>> expected{{"btn_accelerazioni", "Accelerazioni"},
        {"btn_angoli", "Angoli"}, {"btn_Forze", "Forze"}, {"btn_lunghezze", "Lunghezze"},
        {"btn_massavolumica", "Massa Volumica"}, {"btn_pressioni", "Pressioni"},
        {"btn_superfici", "Superfici"}, {"btn_temperature", "Temperature"},
        {"btn_velocita", QString::fromUtf8("Velocità")}, {"btn_volumi", "Volumi"}};
    for (int i = 0; i < expected.size(); ++i) {
        QPushButton *b = button(w.get(), expected[i].first.toLatin1().constData());
        QVERIFY2(b, qPrintable(expected[i].first));
        QCOMPARE(b->text(), expected[i].second);
        QCOMPARE(b->geometry(), QRect(13, 8 + 24 * i, 89, 17)); // 195, 120 + 360 i, 1335 x 255
    }
    QCOMPARE(w->findChildren<QPushButton *>().size(), 10);
}

void TestMainWindow::tabChainWrapsAndSkipsLabels()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget *first = button(w.get(), "btn_accelerazioni");
    first->setFocus();
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited.first(), QStringLiteral("btn_accelerazioni"));
    QCOMPARE(visited.at(9), QStringLiteral("btn_volumi"));
    QCOMPARE(visited.at(10), QStringLiteral("btn_accelerazioni")); // back to the first
    QCOMPARE(visited.at(3), QStringLiteral("btn_lunghezze"));
    for (QLabel *label : w->findChildren<QLabel *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestMainWindow::linkLabels()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    auto *web = w->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *mail = w->findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(web && mail);
    QCOMPARE(web->text(), webAddress());
    QVERIFY(!web->text().startsWith(QStringLiteral("http://")));
    QCOMPARE(mail->text(), mailAddress());
    QCOMPARE(web->geometry().topLeft(), QPoint(1, 248));
    QCOMPARE(mail->geometry().topLeft(), QPoint(13, 264));
    QCOMPARE(web->height(), 17);
    QVERIFY(web->width() >= 113); // 1695 twips, more when the address needs it
    QVERIFY(mail->width() >= 89);
    for (QLabel *l : {web, mail}) // the whole address shows whenever the window has room for it
        QVERIFY(l->width() >= std::min(l->sizeHint().width(), w->width() - l->x()));
    for (QLabel *l : {web, mail}) {
        QVERIFY(l->font().underline());
        QCOMPARE(l->palette().color(l->foregroundRole()), QColor(0, 0, 255));
    }
    QCOMPARE(web->cursor().shape(), Qt::UpArrowCursor);
    QCOMPARE(mail->cursor().shape(), Qt::WhatsThisCursor);
    QVERIFY(web->font().pixelSize() < w->font().pixelSize()); // the small Arial of the web link
    QCOMPARE(mail->font().pixelSize(), w->font().pixelSize());
}

void TestMainWindow::linkClicksHandExactTexts()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    auto *web = w->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *mail = w->findChild<QLabel *>(QStringLiteral("Label2"));
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(m_opened,
        QStringList{QStringLiteral("mailto:") + mailAddress()
            + QStringLiteral("?SUBJECT=Notizie, Commenti o Problemi su Unitavo")});
    m_opened.clear();
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    const QString http = QStringLiteral("http://") + webAddress();
    QCOMPARE(m_opened, (QStringList{http, http}));
    m_opened.clear();
    QTest::mouseClick(web, Qt::RightButton);
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(webLink(), http);
}

void TestMainWindow::linkColourReads_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QColor>("expected"); // invalid: any blue that reads at 4.5:1
    const QColor blue(0, 0, 255);
    QTest::newRow("light, blue link") << paletteWith(Qt::white, Qt::black, blue) << blue;
    QTest::newRow("dark, blue link")
        << paletteWith(QColor(0x35, 0x35, 0x35), Qt::white, blue) << QColor();
    QTest::newRow("light, pale link")
        << paletteWith(Qt::white, Qt::black, QColor(0xa0, 0xc0, 0xff)) << QColor();
}

// The links take the palette's link colour, changed only as far as it must be to read against
// the window at 4.5:1, and follow a palette that changes while the window is open.
void TestMainWindow::linkColourReads()
{
    QFETCH(QPalette, palette);
    QFETCH(QColor, expected);
    const QPalette original = QApplication::palette();
    const auto verify = [&](const MainWindow &w) {
        const QColor window = w.palette().color(QPalette::Window);
        QCOMPARE(window, palette.color(QPalette::Window));
        for (const char *name : {"Label1", "Label2"}) {
            auto *l = w.findChild<QLabel *>(QLatin1String(name));
            const QColor drawn = l->palette().color(l->foregroundRole());
            if (expected.isValid()) {
                QCOMPARE(drawn, expected);
                continue;
            }
            QVERIFY2(contrast(drawn, window) >= 4.5,
                qPrintable(QStringLiteral("%1 on %2: %3")
                               .arg(drawn.name(), window.name())
                               .arg(contrast(drawn, window))));
            QVERIFY2(drawn.hslHue() >= 200 && drawn.hslHue() <= 260, qPrintable(drawn.name()));
        }
    };
    // A window opened under the palette, and one already open when its palette changes.
    QApplication::setPalette(palette);
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    verify(*w);
    QApplication::setPalette(original);
    w.reset(makeWindow());
    w->show();
    w->setPalette(palette);
    verify(*w);
}

void TestMainWindow::forzeOpensOnce()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    QTest::mouseClick(button(w.get(), "btn_Forze"), Qt::LeftButton);
    ConverterWindow *forze = w->existingWindow(*findQuantityById(u"forze"));
    QVERIFY(forze);
    QVERIFY(forze->isVisible());
    QCOMPARE(forze->objectName(), QStringLiteral("frm_forze"));
    QVERIFY(!forze->parentWidget()); // no owner window
    forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->setText(QStringLiteral("7"));
    forze->findChild<QRadioButton *>(QStringLiteral("opt_n1"))->click();

    QTest::mouseClick(button(w.get(), "btn_Forze"), Qt::LeftButton);
    QCOMPARE(w->existingWindow(forze->quantity()), forze);
    QCOMPARE(
        forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->text(), QStringLiteral("7"));
    QVERIFY(forze->findChild<QRadioButton *>(QStringLiteral("opt_n1"))->isChecked());
    int forceWindows = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        forceWindows += top->objectName() == QStringLiteral("frm_forze");
    QCOMPARE(forceWindows, 1);
}

void TestMainWindow::reopenAfterClosing()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    ConverterWindow *forze = w->showQuantity(*findQuantityById(u"forze"));
    forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->setText(QStringLiteral("7"));
    forze->findChild<QRadioButton *>(QStringLiteral("opt_kg1"))->click();
    forze->findChild<QRadioButton *>(QStringLiteral("opt_kg2"))->click();
    forze->calcola();
    forze->close();
    QCOMPARE(w->showQuantity(forze->quantity()), forze);
    QCOMPARE(
        forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->text(), QStringLiteral("1"));
    QCOMPARE(forze->findChild<QLineEdit *>(QStringLiteral("txt_sol"))->text(), QString());
    QCOMPARE(forze->heldPivot(), 7.0);
}

void TestMainWindow::closingMainLeavesConverterWorking()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    ConverterWindow *forze = w->showQuantity(*findQuantityById(u"forze"));
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QVERIFY(w->close());
    QVERIFY(forze->isVisible());
    forze->findChild<QRadioButton *>(QStringLiteral("opt_kg1"))->click();
    forze->findChild<QRadioButton *>(QStringLiteral("opt_g2"))->click();
    forze->calcola();
    QCOMPARE(
        forze->findChild<QLineEdit *>(QStringLiteral("txt_sol"))->text(), QStringLiteral("1000"));
    QVERIFY(qApp->quitOnLastWindowClosed());
    QCOMPARE(quitting.count(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
