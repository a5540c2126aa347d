// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the window tests: finding and checking the controls of a converter window, and
// capturing failure reports instead of showing a dialog. The press helpers come with them.

#include "converterwindow.h"
#include "messages.h"
#include "presssupport.h"
#include "reporter.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <memory>

namespace unitavo::test {

// A converter window of q, shown.
inline std::unique_ptr<ConverterWindow> open(const Quantity &q)
{
    auto w = std::make_unique<ConverterWindow>(q);
    w->present();
    return w;
}

// The window of the quantity with this id ("pressioni"), shown.
inline std::unique_ptr<ConverterWindow> openById(const QByteArray &id)
{
    return open(*findQuantityById(QString::fromLatin1(id)));
}

// The one control of that name in the window; stops the test run when there is none or more.
template <typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    const QList<T *> found = window->findChildren<T *>(name);
    if (found.size() != 1)
        qFatal("%d controls named %s", int(found.size()), qPrintable(name));
    return found.first();
}
template <typename T = QWidget> T *child(const QWidget &window, const QString &name)
{
    return child<T>(&window, name);
}
template <typename T = QWidget> T *child(const QWidget &window, BoxName name)
{
    return child<T>(&window, name.latin1());
}

// One data row per converter window, named after it, in the column "window".
inline void addEveryWindow()
{
    QTest::addColumn<QByteArray>("window");
    for (const Quantity *q : catalogue())
        QTest::newRow(q->name) << QByteArray(q->name);
}

// Clicks the named source and target buttons (nullptr clicks none), types the input and clicks
// "Calcola"; returns what the result box shows then.
inline QString pressWith(
    QWidget &window, const char *source, const char *target, const QString &input)
{
    for (const char *button : {source, target}) {
        if (button)
            child<QRadioButton>(window, QLatin1String(button))->click();
    }
    child<QLineEdit>(window, kInputBox)->setText(input);
    child<QPushButton>(window, QLatin1String(kCalcola))->click();
    return child<QLineEdit>(window, kResultBox)->text();
}

// The names of the controls that take focus, in the order of the window's focus chain (the order
// Tab follows), from the named one.
inline QStringList focusChain(const QWidget &window, const QString &first)
{
    QStringList names;
    QWidget *start = child(window, first);
    QWidget *w = start;
    do {
        if (w->focusPolicy() != Qt::NoFocus)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start && names.size() < 200);
    return names;
}

// The tab order of a converter window: sources, the input, targets, Calcola, the result.
inline QStringList tabOrder(const QStringList &sources, const QStringList &targets)
{
    return sources + QStringList{kInputBox.latin1()} + targets
        + QStringList{QString::fromLatin1(kCalcola), kResultBox.latin1()};
}

// Empty when the radio button shows its whole caption and stays inside its frame; otherwise its
// name with its width, the width its caption needs and the room its frame leaves.
inline QString captionCut(const QRadioButton *b)
{
    const int room = b->parentWidget()->width() - b->x();
    if (b->width() >= b->sizeHint().width() && b->width() <= room)
        return {};
    return QStringLiteral("%1 %2/%3/%4")
        .arg(b->objectName())
        .arg(b->width())
        .arg(b->sizeHint().width())
        .arg(room);
}

// Where the text of a radio button's caption ends, in its parent's coordinates: after the
// indicator and the gap the style puts between indicator and label.
inline int captionEnd(const QRadioButton *button)
{
    QStyleOption option;
    option.initFrom(button);
    const QStyle *style = button->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, button);
    const int spacing = style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, button);
    return button->x() + indicator + spacing
        + button->fontMetrics().horizontalAdvance(button->text());
}

// A superscript label beside its button's caption: in the same frame, on the same line, right
// where the caption text ends, inside the frame and in a smaller font.
inline void verifyBesideCaption(const QLabel *l, const QRadioButton *b)
{
    QCOMPARE(l->parentWidget(), b->parentWidget());
    QCOMPARE(l->y(), b->y());
    const int end = captionEnd(b);
    QVERIFY2(l->x() >= end && l->x() <= end + 2,
        qPrintable(QStringLiteral("label at %1, caption ends at %2").arg(l->x()).arg(end)));
    QVERIFY(l->geometry().right() < l->parentWidget()->width());
    QVERIFY(l->font().pixelSize() < b->font().pixelSize());
}

// Collects the reports of failed presses for as long as it lives, each as the failure whose
// message it shows; a report of any other message fails the test that made it.
class FailureCapture {
public:
    FailureCapture()
    {
        setReporter([this](QWidget *window, const QString &message) {
            windows.append(window);
            for (const Failure f : {Failure::NotANumber, Failure::OutOfRange}) {
                if (message == failureMessage(f)) {
                    failures.append(f);
                    return;
                }
            }
            QTest::qFail(qPrintable("a report of no failure: " + message), __FILE__, __LINE__);
        });
    }
    ~FailureCapture() { setReporter({}); }
    FailureCapture(const FailureCapture &) = delete;
    FailureCapture &operator=(const FailureCapture &) = delete;

    QList<QWidget *> windows;
    QList<Failure> failures;
};

} // namespace unitavo::test
