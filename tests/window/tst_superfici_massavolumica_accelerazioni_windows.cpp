// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The area, density and acceleration windows driven through their widgets.
#include "catalogue.h"
#include "converterwindow.h"
#include "twips.h"
#include "windowsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

using namespace unitavo;
using namespace unitavo::test;

namespace {

const QByteArray areas("frm_superfici");
const QByteArray densities("frm_massavolumica");
const QByteArray accelerations("frm_accelerazioni");

void windows()
{
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("areas") << areas;
    QTest::newRow("densities") << densities;
    QTest::newRow("accelerations") << accelerations;
}

} // namespace

class TestSuperficiMassavolumicaAccelerazioniWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(italian); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void layout_data() { windows(); }
    void layout();
    void captionsAreVisible_data() { windows(); }
    void captionsAreVisible();
    void tabChain_data() { windows(); }
    void tabChain();
    void superscripts_data();
    void superscripts();
    void press_data();
    void press();
};

void TestSuperficiMassavolumicaAccelerazioniWindows::layout()
{
    QFETCH(QByteArray, window);
    struct Expected {
        QByteArray window;
        const char *caption;
        const char *frame1;
        QSize client;
        int frameHeight;
        Rect input;
        Rect result;
        Rect calcola;
        int labels; // per frame
    };
    const Expected all[] = {
        {areas, "Superfici", "Frame1", {4755, 4770}, 4335, {120, 3960, 1935, 285},
            {120, 3960, 2055, 285}, {1680, 4440, 1335, 255}, 11},
        {densities, "Massa Volumica", "Frame1", {4680, 5490}, 5055, {240, 4680, 1935, 285},
            {120, 4680, 2055, 285}, {1680, 5160, 1335, 255}, 10},
        {accelerations, "Accelerazioni", "frame1", {4710, 3960}, 3495, {120, 3120, 1935, 285},
            {120, 3120, 2055, 285}, {1680, 3600, 1335, 255}, 6},
    };
    const Expected &e = *std::find_if(
        std::begin(all), std::end(all), [&](const Expected &x) { return x.window == window; });

    const auto w = open(quantityNamed(window));
    QCOMPARE(w->objectName(), QString::fromLatin1(window));
    QCOMPARE(w->windowTitle(), QString::fromUtf8(e.caption));
    QCOMPARE(w->size(), QSize(fromTwips(e.client.width()), fromTwips(e.client.height())));
    QGroupBox *sources = child<QGroupBox>(w.get(), QLatin1String(e.frame1));
    QGroupBox *targets = child<QGroupBox>(w.get(), QStringLiteral("Frame2"));
    QCOMPARE(sources->geometry(), fromTwips(Rect{0, 0, 2295, e.frameHeight}));
    QCOMPARE(targets->geometry(), fromTwips(Rect{2400, 0, 2295, e.frameHeight}));
    QVERIFY(sources->title().isEmpty() && targets->title().isEmpty());

    QLineEdit *input = child<QLineEdit>(w.get(), QStringLiteral("txt_conv"));
    QLineEdit *result = child<QLineEdit>(w.get(), QStringLiteral("txt_sol"));
    QCOMPARE(input->parentWidget(), sources);
    QCOMPARE(result->parentWidget(), targets);
    QCOMPARE(input->geometry(), fromTwips(e.input));
    QCOMPARE(result->geometry(), fromTwips(e.result));
    QCOMPARE(input->text(), QStringLiteral("1"));
    QCOMPARE(result->text(), QString());
    QVERIFY(result->isReadOnly());
    QPushButton *calcola = child<QPushButton>(w.get(), QStringLiteral("btn_Calcola"));
    QCOMPARE(calcola->geometry(), fromTwips(e.calcola));
    QCOMPARE(calcola->text(), QStringLiteral("Calcola"));

    for (QGroupBox *frame : {sources, targets}) {
        const QList<QLabel *> labels = frame->findChildren<QLabel *>();
        QCOMPARE(labels.size(), e.labels);
        for (QLabel *label : labels)
            QCOMPARE(label->text(), QLatin1String(window == densities ? "3" : "2"));
    }
    if (window == areas) {
        // The square inch rows are taller than the others.
        QCOMPARE(child<QRadioButton>(w.get(), QStringLiteral("inc"))->height(), fromTwips(315));
        QCOMPARE(child<QRadioButton>(w.get(), QStringLiteral("in2"))->height(), fromTwips(315));
    }
}

// Every caption fits its button, every button its frame, and each row stands at its height in
// both frames.
void TestSuperficiMassavolumicaAccelerazioniWindows::captionsAreVisible()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    QCOMPARE(w->findChildren<QRadioButton *>().size(), qsizetype(2 * q.rows.size()));
    for (const UnitRow &row : q.rows) {
        for (const char *name : {row.source, row.target}) {
            const QRadioButton *b = child<QRadioButton>(w.get(), QLatin1String(name));
            QVERIFY2(captionCut(b).isEmpty(), qPrintable(captionCut(b)));
            QCOMPARE(b->x(), fromTwips(120));
            QCOMPARE(b->y(), fromTwips(row.top));
            QVERIFY2(!b->isChecked(), name);
        }
    }
}

// Tab goes through the sources top to bottom, the input, the targets, Calcola and the result.
void TestSuperficiMassavolumicaAccelerazioniWindows::tabChain()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget *top = child<QRadioButton>(w.get(), QLatin1String(q.rows[0].source));
    QCOMPARE(QApplication::focusWidget(), top);

    QStringList sources;
    QStringList targets;
    for (const UnitRow &row : q.rows) {
        sources << QLatin1String(row.source);
        targets << QLatin1String(row.target);
    }
    QCOMPARE(focusChain(*w, top->objectName()), tabOrder(sources, targets));
}

void TestSuperficiMassavolumicaAccelerazioniWindows::superscripts_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("width"); // twips

    const auto add = [](const QByteArray &window, const char *label, const char *frame,
                         const char *button, int width = 255) {
        QTest::addRow("%s %s", window.constData(), label)
            << window << QString::fromLatin1(label) << QString::fromLatin1(frame)
            << QString::fromLatin1(button) << width;
    };

    const char *squares[][2] = {{"mq", "m2"}, {"cm", "cm2"}, {"dm", "dm2"}, {"ft", "ft2"},
        {"hm", "hm2"}, {"km", "km2"}, {"mil", "mil2"}, {"mm", "mm2"}, {"yd", "yd2"},
        {"pertiche", "pertiche2"}, {"inc", "in2"}};
    for (int i = 0; i < 11; ++i) {
        const int width = i == 1 ? 135 : 255; // the cm² label is narrower
        add(areas, qPrintable(QStringLiteral("Label%1").arg(i + 1)), "Frame1", squares[i][0],
            width);
        add(areas, qPrintable(QStringLiteral("Label%1").arg(i + 12)), "Frame2", squares[i][1],
            width);
    }

    const char *cubes[][3] = {{"kgmc", "Label2", "Label13"}, {"gmc", "Label4", "Label14"},
        {"gmmc", "Label5", "Label15"}, {"mgmc", "Label3", "Label6"}, {"mgmmc", "Label7", "Label16"},
        {"ozftc", "Label8", "Label17"}, {"ozinc", "Label9", "Label18"},
        {"lbftc", "Label10", "Label19"}, {"lbinc", "Label11", "Label20"},
        {"tonydc", "Label12", "Label21"}};
    for (const auto &c : cubes) {
        add(densities, c[1], "Frame1", c[0]);
        add(densities, c[2], "Frame2", qPrintable(QLatin1String(c[0]) + QLatin1Char('2')));
    }

    const char *perSecond[][3] = {{"ms", "Label2", "Label7"}, {"cms", "Label1", "Label8"},
        {"fts", "Label3", "Label9"}, {"ins", "Label6", "Label12"}, {"mils", "Label5", "Label11"},
        {"yds", "Label4", "Label10"}};
    for (const auto &s : perSecond) {
        add(accelerations, s[1], "frame1", s[0]);
        add(accelerations, s[2], "Frame2", qPrintable(QLatin1String(s[0]) + QLatin1Char('2')));
    }
}

// Each superscript stands in its frame on its row's line, right where the caption text ends.
void TestSuperficiMassavolumicaAccelerazioniWindows::superscripts()
{
    QFETCH(QByteArray, window);
    QFETCH(QString, label);
    QFETCH(QString, frame);
    QFETCH(QString, button);
    QFETCH(int, width);

    const auto w = open(quantityNamed(window));
    const QLabel *l = child<QLabel>(w.get(), label);
    const QRadioButton *b = child<QRadioButton>(w.get(), button);
    QCOMPARE(l->parentWidget()->objectName(), frame);
    QCOMPARE(l->size(), QSize(fromTwips(width), fromTwips(135)));
    verifyBesideCaption(l, b);
}

// In each window under Italian settings: a press with only the target selected (the empty
// pivot), a conversion, then a failing press that leaves the result as it was.
void TestSuperficiMassavolumicaAccelerazioniWindows::press_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("withoutSource");
    QTest::addColumn<QString>("expected");

    const auto add = [](const char *tag, const QByteArray &window, const char *source,
                         const char *target, const char *input, const char *withoutSource,
                         const char *expected) {
        QTest::newRow(tag) << window << QString::fromLatin1(source) << QString::fromLatin1(target)
                           << QString::fromLatin1(input) << QString::fromLatin1(withoutSource)
                           << QString::fromLatin1(expected);
    };
    add("acri to m2", areas, "acri", "m2", "1,5", "0", "6070,2846327934");
    add("g/cc to kg/m3", densities, "gcc", "kgmc2", "2,5", "", "2500");
    add("kg/m3 to mg/m3", densities, "kgmc", "mgmc2", "0,5", "0", "500000");
    add("g to m/sec2", accelerations, "g", "ms2", "1", "0", "9,80664999978774");
}

void TestSuperficiMassavolumicaAccelerazioniWindows::press()
{
    QFETCH(QByteArray, window);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, input);
    QFETCH(QString, withoutSource);
    QFETCH(QString, expected);

    FailureCapture failures;
    const auto w = open(quantityNamed(window));
    QLineEdit *in = child<QLineEdit>(w.get(), QStringLiteral("txt_conv"));
    QLineEdit *out = child<QLineEdit>(w.get(), QStringLiteral("txt_sol"));
    QPushButton *calcola = child<QPushButton>(w.get(), QStringLiteral("btn_Calcola"));
    out->setText(QStringLiteral("x")); // tells an empty result from no result
    in->clear();
    QTest::keyClicks(in, input);
    QTest::mouseClick(child<QRadioButton>(w.get(), target), Qt::LeftButton);
    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(out->text(), withoutSource);

    QTest::mouseClick(child<QRadioButton>(w.get(), source), Qt::LeftButton);
    QCOMPARE(out->text(), withoutSource); // nothing is computed before the press
    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(out->text(), expected);
    QVERIFY(failures.failures.isEmpty());

    in->clear();
    QTest::keyClicks(in, QStringLiteral("abc"));
    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(failures.failures, QList<Failure>{Failure::NotANumber});
    QCOMPARE(failures.windows, QList<QWidget *>{w.get()});
    QCOMPARE(out->text(), expected);
    QCOMPARE(in->text(), QStringLiteral("abc"));
    QVERIFY(w->isVisible());
}

QTEST_MAIN(TestSuperficiMassavolumicaAccelerazioniWindows)
#include "tst_superfici_massavolumica_accelerazioni_windows.moc"
