// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lengths window through its widgets: layout, the input row switching between the decimal and
// the fractional layout on source clicks, what a reload restores, and presses of "Calcola".
// Twips become pixels as (twips + 7) / 15, the window's rounding.
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

// txt_conv's width in pixels: opening layout 1935 twips, decimal 1950, fractional 1000.
constexpr int kOpeningWidth = 129;
constexpr int kDecimalWidth = 130;
constexpr int kFractionalWidth = 67;

} // namespace

class TestLunghezzeWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void units_data();
    void units();
    void inputLayouts_data();
    void inputLayouts();
    void layoutFollowsEveryWayOfSelecting_data();
    void layoutFollowsEveryWayOfSelecting();
    void layoutPersistsAcrossPresses();
    void reloadRestoresOpeningState();
    void zeroWrittenIntoEmptyBoxes();
    void fractionalPressUnderItalian();
    void failureLeavesResult_data();
    void failureLeavesResult();

private:
    template <typename T = QWidget> T *child(const char *name) const
    {
        return test::child<T>(window.get(), name);
    }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(name); }
    QLineEdit *box(BoxName name) const { return box(name.name()); }
    void click(const char *button) const
    {
        auto *b = child<QRadioButton>(button);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        QVERIFY2(b->isChecked(), button);
    }
    bool extrasShown() const
    {
        const bool numerator = box("txt_conv1_2")->isVisible();
        const bool denominator = box("txt_conv1_2_2")->isVisible();
        const bool label = child<QLabel>("Label1")->isVisible();
        if (numerator != denominator || numerator != label)
            qFatal("the fraction controls disagree on their visibility");
        return numerator;
    }
    void calcola() const { QTest::mouseClick(child<QPushButton>(kCalcola), Qt::LeftButton); }

    std::unique_ptr<ConverterWindow> window;
    // Installed for every test, so that no failure ever opens a dialog; a test that expects a
    // failure checks it and clears the list, and any other failure fails the test in cleanup().
    std::unique_ptr<FailureCapture> capture;
};

void TestLunghezzeWindow::init()
{
    QLocale::setDefault(english);
    capture = std::make_unique<FailureCapture>();
    window = std::make_unique<ConverterWindow>(quantities::lunghezze());
    window->present();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestLunghezzeWindow::cleanup()
{
    window.reset();
    QLocale::setDefault(QLocale::c());
    const QList<Failure> unexpected = capture->failures;
    capture.reset();
    QCOMPARE(unexpected, QList<Failure>());
}

void TestLunghezzeWindow::layout()
{
    QCOMPARE(window->objectName(), QStringLiteral("frm_lunghezze"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Lunghezze"));
    QCOMPARE(window->size(), QSize(312, 443));
    auto *frame1 = child<QGroupBox>("Frame1");
    auto *frame2 = child<QGroupBox>("Frame2");
    QCOMPARE(frame1->geometry(), QRect(0, 0, 153, 409));
    QCOMPARE(frame2->geometry(), QRect(160, 0, 153, 409));
    QCOMPARE(frame1->title(), QString());
    QCOMPARE(frame2->title(), QString());

    QLineEdit *input = box(kInputBox);
    QCOMPARE(input->parentWidget(), frame1);
    QCOMPARE(input->geometry(), QRect(8, 376, kOpeningWidth, 19));
    QCOMPARE(input->text(), QStringLiteral("1"));
    QLineEdit *result = box(kResultBox);
    QCOMPARE(result->parentWidget(), frame2);
    QCOMPARE(result->geometry(), QRect(8, 376, 137, 19));
    QVERIFY(result->isReadOnly());
    QCOMPARE(result->text(), QString());
    auto *calcolaButton = child<QPushButton>(kCalcola);
    QCOMPARE(calcolaButton->geometry(), QRect(120, 416, 89, 17));
    QCOMPARE(calcolaButton->text(), QStringLiteral("Calcola"));

    QLineEdit *numerator = box("txt_conv1_2");
    QLineEdit *denominator = box("txt_conv1_2_2");
    auto *label = child<QLabel>("Label1");
    for (QWidget *w : {static_cast<QWidget *>(numerator), static_cast<QWidget *>(denominator),
             static_cast<QWidget *>(label)})
        QCOMPARE(w->parentWidget(), frame1);
    QCOMPARE(numerator->geometry(), QRect(80, 376, 25, 19));
    QCOMPARE(label->geometry(), QRect(104, 376, 33, 17));
    QCOMPARE(denominator->geometry(), QRect(112, 376, 25, 19));
    QCOMPARE(numerator->text(), QString());
    QCOMPARE(denominator->text(), QString());
    QCOMPARE(label->text(), QStringLiteral(" /"));
    QCOMPARE(label->font().families().value(0), QStringLiteral("MS Sans Serif"));
    QCOMPARE(label->font().pixelSize(), 16); // 12 points at 96 dots per inch
    QVERIFY(!extrasShown());

    // Tab chain: the whole number, then the numerator and the denominator, then the targets.
    QVERIFY(child<QRadioButton>("A1")->hasFocus());
    QCOMPARE(input->nextInFocusChain(), numerator);
    QCOMPARE(numerator->nextInFocusChain(), denominator);
    QCOMPARE(denominator->nextInFocusChain(), child<QRadioButton>("A2"));
    QCOMPARE(window->findChildren<QRadioButton *>().size(), 42);
    for (QRadioButton *b : window->findChildren<QRadioButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
}

void TestLunghezzeWindow::units_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("minimumWidth");
    const auto add = [](const char *s, const char *t, int row, int width) {
        QTest::newRow(s) << QString::fromLatin1(s) << QString::fromLatin1(t) << 16 * (row + 1)
                         << width;
    };
    // Widths in pixels: 2055 twips 137, 1935 129, 1695 113, 1455 97.
    const char *names[][2] = {{"A1", "A2"}, {"al1", "al2"}, {"cm1", "cm2"}, {"km1", "km2"},
        {"kp1", "kp2"}, {"dm1", "dm2"}, {"hm1", "hm2"}, {"fermi1", "fermi2"}, {"m1", "m2"},
        {"micron1", "micron2"}, {"mil1", "mil2"}, {"mn1", "mn2"}, {"mm1", "mm2"}, {"nm1", "nm2"},
        {"parsec1", "parsec2"}, {"pica1", "pica2"}, {"ft1", "ft2"}, {"in1", "in2"}, {"ua1", "ua2"},
        {"yd1", "yd2"}, {"in_1_2", "in_2_hexad"}};
    const int widths[] = {137, 113, 137, 137, 113, 137, 137, 97, 137, 129, 137, 129, 137, 137, 129,
        113, 137, 137, 129, 137, 137};
    for (int i = 0; i < 21; ++i)
        add(names[i][0], names[i][1], i, widths[i]);
}

// Each unit stands on the same row in both frames, its caption given in full.
void TestLunghezzeWindow::units()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(int, y);
    QFETCH(int, minimumWidth);
    const Quantity &q = quantities::lunghezze();
    const UnitRow &row = q.rows[rowOf(q, source.toLatin1().constData())];
    auto *s = child<QRadioButton>(source.toLatin1().constData());
    auto *t = child<QRadioButton>(target.toLatin1().constData());
    QCOMPARE(s->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(t->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(s->text(), QString::fromUtf8(row.captionFor(true)));
    QCOMPARE(t->text(), QString::fromUtf8(row.captionFor(false)));
    for (QRadioButton *b : {s, t}) {
        QCOMPARE(b->pos(), QPoint(8, y));
        QCOMPARE(b->height(), 17);
        QVERIFY(b->width() >= minimumWidth);
    }
}

void TestLunghezzeWindow::inputLayouts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shown");
    for (const UnitRow &r : quantities::lunghezze().rows) {
        const bool fractional = QByteArray(r.source) == "in_1_2";
        QTest::newRow(r.source) << QString::fromLatin1(r.source)
                                << (fractional ? kFractionalWidth : kDecimalWidth) << fractional;
    }
}

// A click on a source button sets the input row; the texts of the boxes stay as typed.
void TestLunghezzeWindow::inputLayouts()
{
    QFETCH(QString, button);
    QFETCH(int, width);
    QFETCH(bool, shown);
    box(kInputBox)->setText(QStringLiteral("7"));
    box("txt_conv1_2")->setText(QStringLiteral("3"));
    box("txt_conv1_2_2")->setText(QStringLiteral("4"));

    // From the other layout, so that the click has something to change.
    click(shown ? "cm1" : "in_1_2");
    QCOMPARE(extrasShown(), !shown);
    click(button.toLatin1().constData());
    QLineEdit *input = box(kInputBox);
    QCOMPARE(input->width(), width);
    QCOMPARE(input->geometry().topLeft(), QPoint(8, 376));
    QCOMPARE(input->height(), 19);
    QCOMPARE(extrasShown(), shown);
    QCOMPARE(input->text(), QStringLiteral("7"));
    QCOMPARE(box("txt_conv1_2")->text(), QStringLiteral("3"));
    QCOMPARE(box("txt_conv1_2_2")->text(), QStringLiteral("4"));
    QCOMPARE(box(kResultBox)->text(), QString());
}

void TestLunghezzeWindow::layoutFollowsEveryWayOfSelecting_data()
{
    QTest::addColumn<QString>("way");
    for (const char *way : {"click", "toggle", "setChecked"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

// A click and the code's toggle() and setChecked() select a source in the same way (keys and
// assistive technologies reach the button through the same signals), and the input row follows,
// in both directions; the next press reads the boxes that show.
void TestLunghezzeWindow::layoutFollowsEveryWayOfSelecting()
{
    QFETCH(QString, way);
    const auto select = [&](const char *name) {
        auto *b = child<QRadioButton>(name);
        if (way == QLatin1String("click")) {
            click(name);
        } else if (way == QLatin1String("toggle")) {
            b->toggle();
        } else {
            b->setChecked(true);
        }
        QVERIFY2(b->isChecked(), name);
    };
    click("yd1");
    select("in_1_2");
    QCOMPARE(box(kInputBox)->width(), kFractionalWidth);
    QVERIFY(extrasShown());
    box(kInputBox)->setText(QStringLiteral("3"));
    box("txt_conv1_2")->setText(QStringLiteral("5"));
    box("txt_conv1_2_2")->setText(QStringLiteral("8"));
    click("in_2_hexad");
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 20/32"));

    select("yd1");
    QCOMPARE(box(kInputBox)->width(), kDecimalWidth);
    QVERIFY(!extrasShown());
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("108 ")); // 3 yards, the fraction unread
}

// Presses and target clicks leave the layout as the last source click set it.
void TestLunghezzeWindow::layoutPersistsAcrossPresses()
{
    click("in2");
    QCOMPARE(box(kInputBox)->width(), kOpeningWidth); // a target click changes no layout
    QVERIFY(!extrasShown());
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("0")); // no source: the empty pivot
    QCOMPARE(box(kInputBox)->width(), kOpeningWidth);

    click("in_1_2");
    box(kInputBox)->setText(QStringLiteral("3"));
    box("txt_conv1_2")->setText(QStringLiteral("5"));
    box("txt_conv1_2_2")->setText(QStringLiteral("8"));
    click("in_2_hexad");
    QCOMPARE(box(kInputBox)->width(), kFractionalWidth);
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 20/32"));
    calcola();
    QCOMPARE(box(kInputBox)->width(), kFractionalWidth);
    QVERIFY(extrasShown());

    // Hidden fraction boxes keep their texts and are not read by a decimal source.
    click("in1");
    QCOMPARE(box(kInputBox)->width(), kDecimalWidth);
    QVERIFY(!extrasShown());
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 "));
    click("in_1_2");
    QVERIFY(extrasShown());
    QCOMPARE(box("txt_conv1_2")->text(), QStringLiteral("5"));
    QCOMPARE(box("txt_conv1_2_2")->text(), QStringLiteral("8"));
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 20/32"));
}

// Closing the window and showing it again brings back the opening state of every control.
void TestLunghezzeWindow::reloadRestoresOpeningState()
{
    click("in_1_2");
    click("m2");
    box(kInputBox)->setText(QStringLiteral("2"));
    box("txt_conv1_2")->setText(QStringLiteral("1"));
    box("txt_conv1_2_2")->setText(QStringLiteral("2"));
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("0.063500000000254"));

    window->close();
    window->present();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(box(kInputBox)->width(), kOpeningWidth);
    QCOMPARE(box(kInputBox)->text(), QStringLiteral("1"));
    QVERIFY(!extrasShown());
    QCOMPARE(box("txt_conv1_2")->text(), QString());
    QCOMPARE(box("txt_conv1_2_2")->text(), QString());
    QCOMPARE(box(kResultBox)->text(), QString());
    for (QRadioButton *b : window->findChildren<QRadioButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QCOMPARE(window->findChildren<QLineEdit *>().size(), 4);

    // The reloaded controls work: the new buttons switch the new input row.
    click("in_1_2");
    QCOMPARE(box(kInputBox)->width(), kFractionalWidth);
    QVERIFY(extrasShown());
    click("km1");
    QCOMPARE(box(kInputBox)->width(), kDecimalWidth);
    click("m2");
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("1000"));
}

// The fractional source fills its empty fraction boxes with 0, visibly, and counts them as 0.
void TestLunghezzeWindow::zeroWrittenIntoEmptyBoxes()
{
    click("in_1_2");
    click("in_2_hexad");
    box(kInputBox)->setText(QStringLiteral("3"));
    calcola();
    QCOMPARE(box("txt_conv1_2")->text(), QStringLiteral("0"));
    QCOMPARE(box("txt_conv1_2_2")->text(), QStringLiteral("0"));
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 "));
    QCOMPARE(box(kInputBox)->text(), QStringLiteral("3"));

    // Blanks are not empty: they stay, and a denominator of blanks is no number.
    box("txt_conv1_2")->setText(QStringLiteral("7"));
    box("txt_conv1_2_2")->setText(QStringLiteral("  "));
    calcola();
    QCOMPARE(capture->failures, QList<Failure>{Failure::NotANumber});
    capture->failures.clear();
    QCOMPARE(box("txt_conv1_2_2")->text(), QStringLiteral("  "));
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 "));

    box("txt_conv1_2")->clear();
    box("txt_conv1_2_2")->setText(QStringLiteral("4"));
    calcola();
    QCOMPARE(box("txt_conv1_2")->text(), QStringLiteral("0"));
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("3 "));
}

void TestLunghezzeWindow::fractionalPressUnderItalian()
{
    QLocale::setDefault(italian);
    click("in_1_2");
    box(kInputBox)->setText(QStringLiteral("1,5"));
    box("txt_conv1_2")->setText(QStringLiteral("1"));
    box("txt_conv1_2_2")->setText(QStringLiteral("4"));
    click("in_2_hexad");
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("1 24/32"));
    click("in2");
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("1,75"));
    click("cm1");
    box(kInputBox)->setText(QStringLiteral("2,54"));
    click("in_2_hexad");
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("1 "));
}

void TestLunghezzeWindow::failureLeavesResult_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("numeratorAfter");
    QTest::addColumn<QString>("denominatorAfter");
    const auto add
        = [](const char *tag, const char *s, const char *t, const char *in, const char *num,
              const char *den, Failure f, const char *numAfter, const char *denAfter) {
              QTest::newRow(tag) << QString::fromLatin1(s) << QString::fromLatin1(t)
                                 << QString::fromLatin1(in) << QString::fromLatin1(num)
                                 << QString::fromLatin1(den) << int(f)
                                 << QString::fromLatin1(numAfter) << QString::fromLatin1(denAfter);
          };
    add("833 m", "m1", "in_2_hexad", "833", "", "", Failure::OutOfRange, "", "");
    add("carry over 32767", "in1", "in_2_hexad", "32767.99", "", "", Failure::OutOfRange, "", "");
    add("abc m -> cm", "m1", "cm2", "abc", "", "", Failure::NotANumber, "", "");
    add("abc km -> m", "km1", "m2", "abc", "", "", Failure::NotANumber, "", "");
    add("whole abc after zeros", "in_1_2", "in_2_hexad", "abc", "", "", Failure::NotANumber, "0",
        "0");
    add("numerator abc", "in_1_2", "m2", "1", "abc", "2", Failure::NotANumber, "abc", "2");
    add("fraction overflow", "in_1_2", "m2", "1", "1E308", "1E-300", Failure::OutOfRange, "1E308",
        "1E-300");
}

// A failed press is reported once and leaves txt_sol as the previous press wrote it.
void TestLunghezzeWindow::failureLeavesResult()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, input);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(int, failure);
    QFETCH(QString, numeratorAfter);
    QFETCH(QString, denominatorAfter);

    click("ft1");
    click("in_2_hexad");
    calcola();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("12 "));
    QVERIFY(capture->failures.isEmpty());

    click(source.toLatin1().constData());
    click(target.toLatin1().constData());
    box(kInputBox)->setText(input);
    box("txt_conv1_2")->setText(numerator);
    box("txt_conv1_2_2")->setText(denominator);
    calcola();
    QCOMPARE(capture->failures, QList<Failure>{Failure(failure)});
    QCOMPARE(capture->windows, QList<QWidget *>{window.get()});
    capture->failures.clear();
    QCOMPARE(box(kResultBox)->text(), QStringLiteral("12 "));
    QCOMPARE(box(kInputBox)->text(), input);
    QCOMPARE(box("txt_conv1_2")->text(), numeratorAfter);
    QCOMPARE(box("txt_conv1_2_2")->text(), denominatorAfter);
}

QTEST_MAIN(TestLunghezzeWindow)
#include "tst_lunghezze_window.moc"
