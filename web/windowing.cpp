// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue.h"
#include "instance.h"
#include "reporter.h"
#include "webpage.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <emscripten/val.h>
#include <string>

namespace unitavo::web {

namespace {

using emscripten::val;

val page()
{
    return val::global("unitavoPage");
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// Qt's WebAssembly platform shows every window full screen, without a frame, over the one before.
// Here each keeps its size, in a frame with a title bar and a close button that Qt draws, so that
// the main window and the converter windows can be used side by side and closing one brings back
// what was under it, with the keyboard: the window used before it becomes the active one again, as
// a desktop's window manager does.
class Windowing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show && widget->windowState().testFlag(Qt::WindowFullScreen)) {
            widget->setWindowState(widget->windowState() & ~Qt::WindowFullScreen);
            // A window of fixed size has no maximize button, as on a desktop; the frame is drawn
            // from the flags of the widget's QWindow.
            if (widget->minimumSize() == widget->maximumSize()) {
                const Qt::WindowFlags flags = widget->windowFlags() & ~Qt::WindowMaximizeButtonHint;
                widget->overrideWindowFlags(flags);
                widget->windowHandle()->setFlags(flags);
            }
            if (!widget->property(kPlaced).toBool()) {
                widget->setProperty(kPlaced, true);
                widget->move(place(*widget));
            }
        } else if (event->type() == QEvent::WindowActivate) {
            m_used.removeAll(widget);
            m_used.prepend(widget);
        } else if (event->type() == QEvent::Hide) {
            m_used.removeAll(widget);
            // Once the platform is done with the hidden window.
            QTimer::singleShot(0, this, [this] { activateLastUsed(); });
        } else if (event->type() == QEvent::Paint && !m_painted
            && widget->objectName() == QLatin1String(kMainName)) {
            m_painted = true;
            page().call<void>("painted");
        }
        return false;
    }

private:
    static constexpr char kPlaced[] = "unitavoPlaced";
    static constexpr char kMainName[] = "frm_conv";
    static constexpr int kMargin = 8;
    static constexpr int kStep = 24;

    // The main window at the top left; a converter window to its right, lower and further right
    // the later its quantity comes in the catalogue, and kept on the screen where it fits.
    static QPoint place(const QWidget &window)
    {
        const QString name = window.objectName();
        if (name == QLatin1String(kMainName))
            return {kMargin, kMargin};
        const Quantity *quantity = findQuantity(name.toLatin1().constData());
        const int index = quantity ? catalogueIndex(*quantity) : 0;
        int left = kMargin;
        for (QWidget *other : QApplication::topLevelWidgets()) {
            if (other->objectName() == QLatin1String(kMainName))
                left += other->frameGeometry().width() + kMargin;
        }
        const QRect screen = window.screen()->availableGeometry();
        const QSize size = window.frameGeometry().size();
        return {std::max(0, std::min(left + index * kStep, screen.right() - size.width())),
            std::max(0, std::min(kMargin + index * kStep, screen.bottom() - size.height()))};
    }

    void activateLastUsed()
    {
        if (QApplication::activeWindow())
            return;
        m_used.removeAll(nullptr);
        for (QWidget *window : std::as_const(m_used)) {
            if (window->isVisible()) {
                window->raise();
                window->activateWindow();
                return;
            }
        }
    }

    // The shown windows, the one active last first.
    QList<QPointer<QWidget>> m_used;
    bool m_painted = false;
};

// The desktop's message box, opened without waiting for it.
void warn(QWidget *window, const QString &title, const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("messaggio"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

void installWindowing()
{
    qApp->installEventFilter(new Windowing(qApp));
    reportInMessageBoxes();
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] { page().call<void>("ended"); });
}

void reportInMessageBoxes()
{
    setReporter([](QWidget *window, const QString &message) {
        warn(window, window ? window->windowTitle() : QStringLiteral("Unitavo"), message);
    });
}

void openLink(const QString &address)
{
    page().call<void>("openLink", utf8(address));
}

void openFromAddress(Instance &instance)
{
    const val query = val::global("URLSearchParams").new_(val::global("location")["search"]);
    const auto item = [&query](const char *key) {
        const val value = query.call<val>("get", std::string(key));
        return value.isNull() ? QString() : QString::fromStdString(value.as<std::string>());
    };
    if (!query.call<bool>("has", std::string("open")))
        return;
    // VALUE FROM TO as given; a part missing leaves fewer, which the request refuses as the
    // command line does.
    QStringList conversion;
    for (const char *key : {"value", "from", "to"}) {
        if (query.call<bool>("has", std::string(key)))
            conversion << item(key);
    }
    instance.open(item("open"), conversion);
}

} // namespace unitavo::web
