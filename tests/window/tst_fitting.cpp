// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window keeps its captions and option indicators whole. CTest runs this suite once with
// the fonts the program depends on and once with DejaVu fonts alone (UNITAVO_EXPECT_FONT then
// names the family the windows must be drawn in). Without Liberation Sans the main window still
// fits its captions; a few long unit captions, aligned by runs of blanks, need more room in
// DejaVu Sans than their frames have even at the smallest font, which is why Liberation Sans is
// a dependency, so those are checked with it only.
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "windowsupport.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

bool dejaVuOnly()
{
    return !qEnvironmentVariableIsEmpty("UNITAVO_EXPECT_FONT");
}

void verifyFont(const QWidget *w)
{
    if (dejaVuOnly())
        QCOMPARE(QFontInfo(w->font()).family(), qEnvironmentVariable("UNITAVO_EXPECT_FONT"));
}

} // namespace

class TestFitting : public QObject {
    Q_OBJECT

private slots:
    void mainWindowCaptionsFit();
    void unitButtonsFit_data() { addEveryWindow(); }
    void unitButtonsFit();
};

// Each button's caption fits between the edges of its bevel, and each link in the window.
void TestFitting::mainWindowCaptionsFit()
{
    MainWindow main([](const QString &) {});
    main.show();
    const QList<QPushButton *> buttons = main.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 10);
    for (QPushButton *b : buttons) {
        verifyFont(b);
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        const int text = b->fontMetrics().horizontalAdvance(b->text());
        QVERIFY2(text <= room.width(),
            qPrintable(QStringLiteral("%1: %2 > %3").arg(b->text()).arg(text).arg(room.width())));
        QVERIFY(b->font().pixelSize() >= 9);
    }
    // The links show their whole addresses.
    for (const char *name : {"Label1", "Label2"}) {
        auto *l = child<QLabel>(main, QLatin1String(name));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), name);
        QVERIFY(l->geometry().right() < main.width());
    }
}

// Every option button shows its whole caption and its whole indicator, inside its frame, and
// each superscript stays beside its caption.
void TestFitting::unitButtonsFit()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    verifyFont(w.get());
    const QList<QRadioButton *> buttons = w->findChildren<QRadioButton *>();
    QCOMPARE(buttons.size(), 2 * int(q.rows.size()));
    for (QRadioButton *b : buttons) {
        if (!dejaVuOnly())
            QCOMPARE(captionCut(b), QString());
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect indicator
            = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, b);
        QVERIFY2(b->rect().contains(indicator),
            qPrintable(b->objectName() + QStringLiteral(" clips its indicator")));
        QVERIFY2(b->parentWidget()->rect().contains(b->geometry()), qPrintable(b->objectName()));
    }
    for (const UnitRow &r : q.rows) {
        if (!r.superscript.text)
            continue;
        verifyBesideCaption(child<QLabel>(*w, QLatin1String(r.superscript.sourceLabel)),
            child<QRadioButton>(*w, QLatin1String(r.source)));
        verifyBesideCaption(child<QLabel>(*w, QLatin1String(r.superscript.targetLabel)),
            child<QRadioButton>(*w, QLatin1String(r.target)));
    }
}

QTEST_MAIN(TestFitting)
#include "tst_fitting.moc"
