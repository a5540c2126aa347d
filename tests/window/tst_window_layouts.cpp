// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What each converter window adds to the layout they share: its size and frames, the places of
// its boxes, the widths and captions of its unit buttons and its superscript labels.
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
#include <memory>

using namespace unitavo;
using namespace unitavo::test;

namespace {

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

class TestWindowLayouts : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(italian); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pressioniVolumiLayout_data()
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
    void pressioniVolumiLayout()
    {
        QFETCH(QByteArray, window);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QRect, frame1);
        QFETCH(QRect, frame2);
        QFETCH(QRect, input);
        QFETCH(QRect, result);
        QFETCH(QRect, calcola);
        const auto w = openById(window);
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
        const auto w = openById(window);
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
        const auto w = openById(window);
        QCOMPARE(child<QRadioButton>(w.get(), button.constData())->text(), caption);
    }

    // The seven "2" labels of each pressures frame, each beside the end of its row's caption.
    void pressioniSuperscripts_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QByteArray>("button");
        for (const char *name : {"dynacmq1", "kgcmq1", "kgmq1", "kgmmq1", "knmq1", "ncmq1", "Nmq1",
                 "dynacmq2", "kgcmq2", "kgmq12", "kgmmq2", "knmq2", "ncmq2", "Nmq2"}) {
            QTest::newRow(name) << QByteArray(name).append("_sup") << QByteArray(name);
        }
    }
    void pressioniSuperscripts()
    {
        QFETCH(QByteArray, label);
        QFETCH(QByteArray, button);
        const auto w = openById("pressioni");
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
        const auto w = openById(window);
        for (const char *frame : {"Frame1", "Frame2"}) {
            QCOMPARE(child<QGroupBox>(w.get(), frame)->findChildren<QLabel *>().size(),
                qsizetype(perFrame));
        }
    }

    // Sources, the input, targets, Calcola and the result, then the pressures window's two
    // mm-of-water buttons at the end. The top source holds the focus.
    void pressioniTabChain()
    {
        const auto rows = rowsOf("pressioni");
        QStringList sources;
        QStringList targets;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            sources << QLatin1String(rows[i].source);
            targets << QLatin1String(rows[i].target);
        }
        const QStringList chain = tabOrder(sources, targets)
            << QStringLiteral("mmh2o1") << QStringLiteral("mmh2o2");
        const auto w = openById("pressioni");
        QCOMPARE(w->focusWidget(), child(w.get(), chain.first()));
        QCOMPARE(focusChain(*w, chain.first()), chain);
    }

    void layout_data() { windows(); }
    void layout();
    void superscripts_data();
    void superscripts();
    void placement();
    void forzeGeometry();
};

void TestWindowLayouts::layout()
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

void TestWindowLayouts::superscripts_data()
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
void TestWindowLayouts::superscripts()
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

void TestWindowLayouts::placement()
{
    const auto temperature = open(quantities::temperature());
    QCOMPARE(
        child<QWidget>(*temperature, "Frame1")->geometry(), fromTwips(Rect{0, 120, 2055, 2655}));
    QCOMPARE(
        child<QWidget>(*temperature, "Frame2")->geometry(), fromTwips(Rect{2160, 120, 2055, 2655}));
    QCOMPARE(
        child<QWidget>(*temperature, kCalcola)->geometry(), fromTwips(Rect{1440, 3000, 1335, 255}));
    QCOMPARE(child<QWidget>(*temperature, kResultBox)->parentWidget()->objectName(),
        QStringLiteral("Frame2"));
    QCOMPARE(child<QWidget>(*temperature, "R2")->geometry().top(), fromTwips(1440));
    QCOMPARE(child<QRadioButton>(*temperature, "re")->text(), QStringLiteral("Rèaumur"));

    // The angle window's result box stands on the window itself, over the target frame.
    const auto angles = open(quantities::angoli());
    QWidget *result = child<QWidget>(*angles, kResultBox);
    QVERIFY(result->parentWidget() != child<QWidget>(*angles, "Frame2"));
    QCOMPARE(
        result->mapTo(angles.get(), QPoint(0, 0)), fromTwips(Rect{2520, 3000, 0, 0}).topLeft());
    QVERIFY(child<QLineEdit>(*angles, kResultBox)->isReadOnly());
    QCOMPARE(child<QWidget>(*angles, kInputBox)->geometry(), fromTwips(Rect{240, 3000, 1935, 285}));

    const auto speeds = open(quantities::velocita());
    QCOMPARE(child<QWidget>(*speeds, kInputBox)->geometry(), fromTwips(Rect{240, 4920, 1935, 285}));
    QCOMPARE(child<QWidget>(*speeds, kResultBox)->parentWidget()->objectName(),
        QStringLiteral("Frame2"));
    QCOMPARE(child<QWidget>(*speeds, "ydsec2")->geometry().top(), fromTwips(4560));
}

void TestWindowLayouts::forzeGeometry()
{
    ConverterWindow w(quantities::forze());
    w.present();
    QCOMPARE(w.windowTitle(), QStringLiteral("Forze"));
    QCOMPARE(w.size(), QSize(314, 301)); // 4710 x 4515 twips
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(child<QGroupBox>(&w, "Frame1")->geometry(), QRect(0, 0, 153, 273));
    QCOMPARE(child<QGroupBox>(&w, "Frame2")->geometry(), QRect(160, 0, 153, 273));
    QCOMPARE(child<QRadioButton>(&w, "opt_lbs")->text(), QStringLiteral("libbra            (lbs)"));
    QCOMPARE(
        child<QRadioButton>(&w, "opt_lbs2")->text(), QStringLiteral("libbra             (lbs)"));
    // 195 twips, 13 pixels, or the height of the radio indicator where the style draws it taller.
    auto *dyna = child<QRadioButton>(&w, "Opt_dyn2");
    QCOMPARE(dyna->height(),
        std::max(
            13, dyna->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, dyna)));
    QCOMPARE(child<QRadioButton>(&w, "opt_oz1")->geometry().topLeft(), QPoint(8, 144));
    // The result box stands on the window itself, over the target frame.
    QLineEdit *sol = child<QLineEdit>(&w, "txt_sol");
    QVERIFY(sol->parentWidget()->objectName() != QStringLiteral("Frame2"));
    QCOMPARE(sol->mapTo(&w, QPoint(0, 0)), QPoint(168, 248));
    QCOMPARE(child<QLineEdit>(&w, "txt_conv")->mapTo(&w, QPoint(0, 0)), QPoint(8, 248));
    QCOMPARE(child<QPushButton>(&w, "btn_Calcola")->geometry(), QRect(112, 280, 89, 17));
}

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
