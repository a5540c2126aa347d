// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pressures and volumes windows as the user sees them: geometry, captions, the superscript
// labels, the tab chain and a press through the widgets.
#include "catalogue.h"
#include "converterwindow.h"
#include "windowsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// Twips to logical pixels, fifteen to the pixel, to the nearest.
int px(int twips)
{
    return qRound(twips / 15.0);
}

struct Pair {
    const char *source;
    const char *target;
    int sourceWidth;
    int targetWidth;
};

// On-screen order, top to bottom; widths in twips.
const Pair pressureRows[] = {{"atm1", "atm2", 2415, 2415}, {"bar1", "bar2", 1935, 1935},
    {"cmHg1", "cmHg2", 2055, 2055}, {"cmh2o1", "cmh2o2", 1935, 1935}, {"kPa1", "kPa2", 2415, 2415},
    {"dynacmq1", "dynacmq2", 975, 975}, {"hPa1", "hPa2", 1935, 2415},
    {"kgcmq1", "kgcmq2", 855, 855}, {"kgmq1", "kgmq12", 735, 735}, {"kgmmq1", "kgmmq2", 855, 855},
    {"knmq1", "knmq2", 735, 735}, {"lbinq1", "lbinq2", 2415, 2415}, {"lbft1", "lbft2", 2415, 2415},
    {"mb1", "mb2", 1935, 1935}, {"Mpa1", "Mpa2", 2415, 2415}, {"mmHg1", "mmHg2", 2415, 2415},
    {"ncmq1", "ncmq2", 735, 735}, {"Nmq1", "Nmq2", 615, 615}, {"pa1", "pa2", 2415, 2415},
    {"fth201", "fth202", 1935, 1935}, {"inh201", "inh202", 1935, 1935},
    {"incHg1", "incHg2", 1935, 1935}, {"psi1", "psi2", 1935, 1935}, {"torr1", "torr2", 1935, 1935},
    {"mmh2o1", "mmh2o2", 2175, 1575}};

const Pair volumeRows[]
    = {{"barile", "barile2", 2175, 2175}, {"cc", "cc2", 2175, 2175}, {"cl", "cl2", 2175, 2175},
        {"dl", "dl2", 2175, 2175}, {"drop", "drop2", 2175, 2175}, {"hl", "hl2", 2175, 2175},
        {"gal", "gal2", 2295, 2175}, {"galuk", "galuk2", 2175, 2175}, {"l", "l2", 2175, 2175},
        {"m", "m2", 2175, 2175}, {"ml", "ml2", 2175, 2175}, {"pt", "pt2", 2175, 2175},
        {"ptuk", "ptuk2", 2175, 2175}, {"ft", "ft2", 2175, 2175}, {"inc", "inc2", 2175, 2175},
        {"qt", "qt2", 2175, 2175}, {"qtUK", "qtUK2", 2175, 2175}, {"yd", "yarda2", 1815, 2175}};

std::span<const Pair> rowsOf(const QByteArray &window)
{
    if (window == "pressioni")
        return pressureRows;
    return volumeRows;
}

void addWindows()
{
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("pressioni") << QByteArray("pressioni");
    QTest::newRow("volumi") << QByteArray("volumi");
}

} // namespace

class TestPressioniVolumiWindows : public QObject {
    Q_OBJECT

    // The windows go by their quantities' ids here.
    static std::unique_ptr<ConverterWindow> open(const QByteArray &window)
    {
        return test::open(*findQuantityById(QString::fromLatin1(window)));
    }

private slots:
    void initTestCase() { QLocale::setDefault(italian); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void layout_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("frame1");
        QTest::addColumn<QRect>("frame2");
        QTest::addColumn<QRect>("input");
        QTest::addColumn<QRect>("result");
        QTest::addColumn<QRect>("calcola");
        const auto r = [](int l, int t, int w, int h) { return QRect(px(l), px(t), px(w), px(h)); };
        QTest::newRow("pressioni")
            << QByteArray("pressioni") << QStringLiteral("Pressioni") << QSize(px(5445), px(7410))
            << r(0, 0, 2655, 6975) << r(2760, 0, 2655, 6975) << r(360, 6600, 1935, 285)
            << r(240, 6600, 2055, 285) << r(2040, 7080, 1335, 255);
        QTest::newRow("volumi") << QByteArray("volumi") << QStringLiteral("Volumi")
                                << QSize(px(5250), px(5475)) << r(0, 0, 2535, 5055)
                                << r(2640, 0, 2535, 5055) << r(360, 4680, 1815, 285)
                                << r(240, 4680, 2055, 285) << r(2040, 5160, 1335, 255);
    }
    void layout()
    {
        QFETCH(QByteArray, window);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QRect, frame1);
        QFETCH(QRect, frame2);
        QFETCH(QRect, input);
        QFETCH(QRect, result);
        QFETCH(QRect, calcola);
        const auto w = open(window);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        auto *f1 = child<QGroupBox>(w.get(), "Frame1");
        auto *f2 = child<QGroupBox>(w.get(), "Frame2");
        QCOMPARE(f1->title(), QString());
        QCOMPARE(f2->title(), QString());
        QCOMPARE(f1->geometry(), frame1);
        QCOMPARE(f2->geometry(), frame2);
        auto *in = child<QLineEdit>(w.get(), "txt_conv");
        auto *out = child<QLineEdit>(w.get(), "txt_sol");
        auto *button = child<QPushButton>(w.get(), "btn_Calcola");
        QCOMPARE(in->parentWidget(), f1);
        QCOMPARE(in->geometry(), input);
        QCOMPARE(in->text(), QStringLiteral("1"));
        QCOMPARE(out->parentWidget(), f2);
        QCOMPARE(out->geometry(), result);
        QVERIFY(out->isReadOnly());
        QCOMPARE(out->text(), QString());
        QCOMPARE(button->geometry().translated(button->parentWidget()->mapTo(w.get(), QPoint())),
            calcola);
        QCOMPARE(button->text(), QStringLiteral("Calcola"));
    }

    // Every row at its height in both frames, at least as wide as its table width, none selected.
    void buttons_data() { addWindows(); }
    void buttons()
    {
        QFETCH(QByteArray, window);
        const auto w = open(window);
        const auto rows = rowsOf(window);
        QCOMPARE(w->findChildren<QRadioButton *>().size(), qsizetype(2 * rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int top = px(240 + 240 * int(i));
            for (const bool sourceSide : {true, false}) {
                const char *name = sourceSide ? rows[i].source : rows[i].target;
                auto *b = child<QRadioButton>(w.get(), name);
                QCOMPARE(b->parentWidget()->objectName(),
                    sourceSide ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
                QCOMPARE(b->x(), px(120));
                QCOMPARE(b->y(), top);
                QCOMPARE(b->height(), px(255));
                const int width = px(sourceSide ? rows[i].sourceWidth : rows[i].targetWidth);
                // A caption that fits keeps the table width; a longer one widens its button.
                if (b->sizeHint().width() <= width)
                    QCOMPARE(b->width(), width);
                else
                    QVERIFY2(b->width() > width, name);
                QVERIFY2(!b->isChecked(), name);
            }
        }
    }

    // No caption is cut: each button is as wide as its caption needs and stays inside its frame.
    void captionsVisible_data() { addWindows(); }
    void captionsVisible()
    {
        QFETCH(QByteArray, window);
        const auto w = open(window);
        QStringList cut;
        for (QRadioButton *b : w->findChildren<QRadioButton *>()) {
            if (const QString c = captionCut(b); !c.isEmpty())
                cut << c;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    // Rows whose captions differ between the frames, and the oddly named target buttons.
    void captions_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("caption");
        const auto add = [](const char *window, const char *button, const char *caption) {
            QTest::newRow(button) << QByteArray(window) << QByteArray(button)
                                  << QString::fromUtf8(caption);
        };
        add("pressioni", "hPa1", "ettopascal (hPa)");
        add("pressioni", "hPa2", "ettopascal                     (hPa)");
        add("pressioni", "lbft1", "libbre/piede quadrato   (lb/ftq)");
        add("pressioni", "lbft2", "libbre/piede quadrato  (lb/ftq)");
        add("pressioni", "pa1", "Pascal                           (Pa)");
        add("pressioni", "pa2", "Pascal                            (Pa)");
        add("pressioni", "kgmq12", "kg/m");
        add("pressioni", "cmh2o2", "centimetri d'acqua 4°  ");
        add("volumi", "gal", "gallone                         (gal)");
        add("volumi", "gal2", "gallone                      (gal)");
        add("volumi", "l", "litro                                (l)");
        add("volumi", "l2", "litro                               (l)");
        add("volumi", "qt", "quarto di gallone          (qt)");
        add("volumi", "qt2", "quarto di gallone         (qt)");
        add("volumi", "yarda2", "yarda c.");
    }
    void captions()
    {
        QFETCH(QByteArray, window);
        QFETCH(QByteArray, button);
        QFETCH(QString, caption);
        const auto w = open(window);
        QCOMPARE(child<QRadioButton>(w.get(), button.constData())->text(), caption);
    }

    // The seven "2" labels of each pressures frame, each beside the end of its row's caption.
    void superscripts_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QByteArray>("button");
        for (const char *name : {"dynacmq1", "kgcmq1", "kgmq1", "kgmmq1", "knmq1", "ncmq1", "Nmq1",
                 "dynacmq2", "kgcmq2", "kgmq12", "kgmmq2", "knmq2", "ncmq2", "Nmq2"}) {
            QTest::newRow(name) << QByteArray(name).append("_sup") << QByteArray(name);
        }
    }
    void superscripts()
    {
        QFETCH(QByteArray, label);
        QFETCH(QByteArray, button);
        const auto w = open("pressioni");
        auto *l = child<QLabel>(w.get(), label.constData());
        QCOMPARE(l->text(), QStringLiteral("2"));
        QCOMPARE(l->size(), QSize(px(255), px(135)));
        verifyBesideCaption(l, child<QRadioButton>(w.get(), button.constData()));
    }

    void superscriptCount_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<int>("perFrame");
        QTest::newRow("pressioni") << QByteArray("pressioni") << 7;
        QTest::newRow("volumi") << QByteArray("volumi") << 0;
    }
    void superscriptCount()
    {
        QFETCH(QByteArray, window);
        QFETCH(int, perFrame);
        const auto w = open(window);
        for (const char *frame : {"Frame1", "Frame2"}) {
            QCOMPARE(child<QGroupBox>(w.get(), frame)->findChildren<QLabel *>().size(),
                qsizetype(perFrame));
        }
    }

    // Sources, the input, targets, Calcola and the result; the pressures window then ends with
    // its two mm-of-water buttons. The top source holds the focus.
    void tabChain_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QStringList>("chain");
        for (const QByteArray &window : {QByteArray("pressioni"), QByteArray("volumi")}) {
            const auto rows = rowsOf(window);
            const bool tail = window == "pressioni";
            const std::size_t body = tail ? rows.size() - 1 : rows.size();
            QStringList sources;
            QStringList targets;
            for (std::size_t i = 0; i < body; ++i) {
                sources << QLatin1String(rows[i].source);
                targets << QLatin1String(rows[i].target);
            }
            QStringList chain = tabOrder(sources, targets);
            if (tail)
                chain << QStringLiteral("mmh2o1") << QStringLiteral("mmh2o2");
            QTest::newRow(window.constData()) << window << chain;
        }
    }
    void tabChain()
    {
        QFETCH(QByteArray, window);
        QFETCH(QStringList, chain);
        const auto w = open(window);
        QCOMPARE(w->focusWidget(), child(w.get(), chain.first()));
        QCOMPARE(focusChain(*w, chain.first()), chain);
    }

    // One good press, then one that fails: the failure is reported and the result stays.
    void press_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QByteArray>("badSource");
        QTest::addColumn<QString>("badInput");
        QTest::addColumn<int>("failure");
        QTest::newRow("pressioni")
            << QByteArray("pressioni") << QByteArray("atm1") << QByteArray("bar2")
            << QStringLiteral("2") << QStringLiteral("2,0265") << QByteArray("atm1")
            << QStringLiteral("abc") << int(Failure::NotANumber);
        QTest::newRow("volumi") << QByteArray("volumi") << QByteArray("l") << QByteArray("ml2")
                                << QStringLiteral("1,5") << QStringLiteral("1500")
                                << QByteArray("barile") << QStringLiteral("1E+307")
                                << int(Failure::OutOfRange);
    }
    void press()
    {
        QFETCH(QByteArray, window);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, target);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(QByteArray, badSource);
        QFETCH(QString, badInput);
        QFETCH(int, failure);
        FailureCapture capture;
        const auto w = open(window);
        auto *in = child<QLineEdit>(w.get(), "txt_conv");
        auto *out = child<QLineEdit>(w.get(), "txt_sol");
        auto *calcola = child<QPushButton>(w.get(), "btn_Calcola");
        auto *s = child<QRadioButton>(w.get(), source.constData());
        auto *t = child<QRadioButton>(w.get(), target.constData());
        auto *bad = child<QRadioButton>(w.get(), badSource.constData());

        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(5, s->height() / 2));
        QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(5, t->height() / 2));
        QVERIFY(s->isChecked() && t->isChecked());
        in->setText(input);
        QTest::mouseClick(calcola, Qt::LeftButton);
        QCOMPARE(out->text(), expected);
        QVERIFY(capture.failures.isEmpty());

        bad->click();
        in->setText(badInput);
        QTest::mouseClick(calcola, Qt::LeftButton);
        QCOMPARE(capture.failures.size(), 1);
        QCOMPARE(int(capture.failures.first()), failure);
        QCOMPARE(capture.windows.first(), w.get());
        QCOMPARE(out->text(), expected);
        QCOMPARE(in->text(), badInput);
    }
};

QTEST_MAIN(TestPressioniVolumiWindows)
#include "tst_window_layouts.moc"
