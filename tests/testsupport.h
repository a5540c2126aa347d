#pragma once

// Helpers shared by the tests: driving the core press by unit names, and capturing failure
// reports instead of showing a dialog.

#include "converter/press.h"
#include "converter/ui.h"

#include <QList>
#include <QTest>
#include <cstring>

namespace unitavo::test {

inline const QLocale italian{QLocale::Italian, QLocale::Italy};
inline const QLocale english{QLocale::English, QLocale::UnitedStates};

// The row whose source or target button has this name; -1 for nullptr or an unknown name.
inline int rowOf(const Quantity &q, const char *button)
{
    if (!button)
        return -1;
    for (int i = 0; i < int(q.rows.size()); ++i) {
        if (std::strcmp(q.rows[i].source, button) == 0
            || std::strcmp(q.rows[i].target, button) == 0)
            return i;
    }
    return -1;
}

struct PressCase {
    const char *source = nullptr;
    const char *target = nullptr;
    QString input = QStringLiteral("1");
    QLocale locale = english;
    double held = 0.0;
    BoxTexts extra = {};
};

inline PressOutcome run(const Quantity &q, const PressCase &c)
{
    PressInput in;
    in.source = rowOf(q, c.source);
    in.target = rowOf(q, c.target);
    if (c.source && in.source < 0)
        qFatal("unknown source button %s", c.source);
    if (c.target && in.target < 0)
        qFatal("unknown target button %s", c.target);
    in.texts.append({kInputBox, c.input});
    for (const BoxText &t : c.extra)
        in.texts.append(t);
    in.heldPivot = c.held;
    in.locale = c.locale;
    return press(q, in);
}

// The text written into txt_sol, or "<failure N>" / "<unchanged>", so that one QCOMPARE shows all.
inline QString resultOf(const PressOutcome &o)
{
    if (o.failure)
        return QStringLiteral("<failure %1>").arg(int(*o.failure));
    if (auto text = o.written(kResultBox))
        return *text;
    return QStringLiteral("<unchanged>");
}

inline QString notANumber()
{
    return QStringLiteral("<failure %1>").arg(int(Failure::NotANumber));
}
inline QString outOfRange()
{
    return QStringLiteral("<failure %1>").arg(int(Failure::OutOfRange));
}
inline QString unchanged()
{
    return QStringLiteral("<unchanged>");
}

// Collects failure reports for as long as it lives.
class FailureCapture {
public:
    FailureCapture()
    {
        setFailureReporter([this](QWidget *window, Failure f) {
            windows.append(window);
            failures.append(f);
        });
    }
    ~FailureCapture() { setFailureReporter({}); }
    FailureCapture(const FailureCapture &) = delete;
    FailureCapture &operator=(const FailureCapture &) = delete;

    QList<QWidget *> windows;
    QList<Failure> failures;
};

} // namespace unitavo::test
