// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace unitavo::bench {

// Notes every top-level window that has received its first paint. Installed on the application,
// it also sees windows created after it. A window counts as shown once it has painted: under the
// offscreen platform its contents have then been drawn into its backing store.
class PaintWatch : public QObject {
public:
    PaintWatch() { QCoreApplication::instance()->installEventFilter(this); }

    bool painted(const QWidget *window) const { return m_painted.contains(window); }
    // Forgets every window, before objects are deleted and their addresses reused.
    void clear() { m_painted.clear(); }

    // Runs then() once, from the event loop (a zero timer), after the first top-level window to
    // paint has finished painting.
    void afterFirstWindow(std::function<void()> then) { m_afterFirst = std::move(then); }

    // Handles events until the window has painted. A window that never paints is a broken run,
    // not a slow one: it ends the program after ten seconds.
    void waitFor(const QWidget *window) const
    {
        QElapsedTimer deadline;
        deadline.start();
        while (!painted(window)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (deadline.elapsed() > 10000) {
                std::fprintf(stderr, "%s was never painted\n", qPrintable(window->objectName()));
                std::exit(3);
            }
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_painted.insert(watched);
            if (m_afterFirst) {
                QTimer::singleShot(0, this, std::move(m_afterFirst));
                m_afterFirst = nullptr;
            }
        }
        return false;
    }

private:
    QSet<const QObject *> m_painted;
    std::function<void()> m_afterFirst;
};

// The offscreen platform warns on every raise(); a converter window raises itself whenever it is
// shown. The warning says nothing about the program and would bury the figures.
inline void silenceOffscreenRaise()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message == QLatin1String("This plugin does not support raise()"))
                return;
            if (previous)
                previous(type, context, message);
        });
}

} // namespace unitavo::bench
