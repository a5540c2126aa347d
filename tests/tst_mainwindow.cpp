// The start-up window: buttons, link labels and the life of the converter windows.
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

using namespace unitavo;
using namespace unitavo::test;

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
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 255));
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

void TestMainWindow::forzeOpensOnce()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    QTest::mouseClick(button(w.get(), "btn_Forze"), Qt::LeftButton);
    ConverterWindow *forze = w->existingWindow(2);
    QVERIFY(forze);
    QVERIFY(forze->isVisible());
    QCOMPARE(forze->objectName(), QStringLiteral("frm_forze"));
    QVERIFY(!forze->parentWidget()); // no owner window
    forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->setText(QStringLiteral("7"));
    forze->findChild<QRadioButton *>(QStringLiteral("opt_n1"))->click();

    QTest::mouseClick(button(w.get(), "btn_Forze"), Qt::LeftButton);
    QCOMPARE(w->existingWindow(2), forze);
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
    ConverterWindow *forze = w->showQuantity(2);
    forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->setText(QStringLiteral("7"));
    forze->findChild<QRadioButton *>(QStringLiteral("opt_kg1"))->click();
    forze->findChild<QRadioButton *>(QStringLiteral("opt_kg2"))->click();
    forze->calcola();
    forze->close();
    QCOMPARE(w->showQuantity(2), forze);
    QCOMPARE(
        forze->findChild<QLineEdit *>(QStringLiteral("txt_conv"))->text(), QStringLiteral("1"));
    QCOMPARE(forze->findChild<QLineEdit *>(QStringLiteral("txt_sol"))->text(), QString());
    QCOMPARE(forze->heldPivot(), 7.0);
}

void TestMainWindow::closingMainLeavesConverterWorking()
{
    std::unique_ptr<MainWindow> w(makeWindow());
    w->show();
    ConverterWindow *forze = w->showQuantity(2);
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
