// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "about.h"
#include "catalogue.h"
#include "converterwindow.h"
#include "focusvisible.h"
#include "fonts.h"
#include "mainlayout.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

namespace unitavo {

namespace {

// Relative luminance of a colour, 0 for black to 1 for white, as contrast is measured for reading.
double luminance(const QColor &c)
{
    const auto linear
        = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

// The palette's link colour (pure blue in a light theme), or, where it reads against the window
// at less than 4.5:1, the same hue made lighter on a dark window and darker on a light one.
QColor readableLink(const QPalette &palette)
{
    constexpr double kMinimumContrast = 4.5;
    const QColor window = palette.color(QPalette::Window);
    QColor link = palette.color(QPalette::Link);
    const bool lighter = luminance(window) < 0.18;
    for (int step = 0; step < 100 && contrast(link, window) < kMinimumContrast; ++step) {
        const int l = link.lightness();
        if ((lighter && l >= 255) || (!lighter && l <= 0))
            break;
        const int hue = link.hslHue() < 0 ? 240 : link.hslHue(); // grey links turn blue
        link = QColor::fromHsl(
            hue, std::max(link.hslSaturation(), 128), std::clamp(l + (lighter ? 5 : -5), 0, 255));
    }
    return link;
}

// A label that behaves as a link: in the link colour, underlined, with a pointer of its own; a
// click opens it.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString &text, std::function<void()> onClick, QWidget *parent)
        : QLabel(parent)
        , m_onClick(std::move(onClick))
    {
        setProperty(linkProperty, true); // before any text, which makes its accessible interface
        setText(text);
        takeLinkColour();
    }

    void open() { m_onClick(); }

    static constexpr const char *linkProperty = "unitavoLink";

protected:
    // A new theme or palette brings a new link colour.
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange && !m_colouring)
            takeLinkColour();
        QLabel::changeEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
        QLabel::mouseReleaseEvent(event);
    }

private:
    void takeLinkColour()
    {
        // Only the text colour is the label's own: the link and window colours it reads are the
        // window's, and a change to them comes back here.
        QPalette p;
        p.setColor(QPalette::WindowText, readableLink(palette()));
        m_colouring = true;
        setPalette(p);
        m_colouring = false;
    }

    std::function<void()> m_onClick;
    bool m_colouring = false;
};

// Assistive technologies announce the link labels as links that can be pressed.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    { }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->open();
    }
};

QAccessibleInterface *linkAccessibleFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(LinkLabel::linkProperty).toBool())
        return new LinkAccessible(static_cast<LinkLabel *>(label));
    return nullptr;
}

void underline(QLabel *label)
{
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
}

// An address longer than its label's place widens the label up to the window's right edge, and
// one longer still takes a smaller font.
void fitWidth(QLabel *label)
{
    const int room = label->parentWidget()->width() - label->x();
    label->setFont(shrunkToFit(label->font(), [&](const QFont &font) {
        return QFontMetrics(font).horizontalAdvance(label->text()) <= room;
    }));
    label->resize(std::clamp(label->sizeHint().width(), label->width(), room), label->height());
}

// The window's font, a pixel smaller at a time while some caption would not fit its button.
QFont fittingFont(const QList<QPushButton *> &buttons)
{
    return shrunkToFit(defaultFont(), [&](const QFont &font) {
        for (QPushButton *b : buttons) {
            QStyleOptionButton option;
            option.initFrom(b);
            const QRect room
                = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
            if (QFontMetrics(font).horizontalAdvance(b->text()) > room.width())
                return false;
        }
        return true;
    });
}

} // namespace

MainWindow::MainWindow(LinkOpener opener, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_opener(std::move(opener))
{
    setObjectName(QLatin1String(mainlayout::kMainWindowName));
    setWindowTitle(programTitle());
    setFont(defaultFont());
    setFixedSize(fromTwips(mainlayout::kClientWidth), fromTwips(mainlayout::kClientHeight));
    static const bool factoryInstalled = (QAccessible::installFactory(linkAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);

    QWidget *previous = nullptr;
    QList<QPushButton *> buttons;
    const auto &quantities = catalogue();
    for (int i = 0; i < int(quantities.size()); ++i) {
        const Quantity &q = *quantities[i];
        auto *button = new QPushButton(QString::fromUtf8(q.caption), this);
        button->setObjectName(QLatin1String(q.button));
        button->setGeometry(fromTwips(mainlayout::button(i)));
        connect(button, &QPushButton::clicked, this, [this, &q] { showQuantity(q); });
        if (previous)
            setTabOrder(previous, button);
        previous = button;
        buttons.append(button);
    }
    const QFont buttonFont = fittingFont(buttons);
    for (QPushButton *b : buttons)
        b->setFont(buttonFont);

    auto *web = new LinkLabel(
        webAddress(), [this] { m_opener(webLink()); }, this);
    web->setObjectName(QStringLiteral("Label1"));
    web->setFont(fontLike("Arial", mainlayout::kWebLinkPoints));
    web->setGeometry(fromTwips(mainlayout::webLink()));

    auto *mail = new LinkLabel(
        mailAddress(), [this] { m_opener(mailLink()); }, this);
    mail->setObjectName(QStringLiteral("Label2"));
    mail->setGeometry(fromTwips(mainlayout::mailLink()));

    // The labels take the look of hyperlinks, each with a pointer of its own.
    underline(web);
    web->setCursor(Qt::UpArrowCursor);
    underline(mail);
    mail->setCursor(Qt::WhatsThisCursor);
    fitWidth(web);
    fitWidth(mail);
    buttons.first()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::changeEvent(QEvent *event)
{
    showFocusWhenActive(this, event);
    QWidget::changeEvent(event);
}

// Return and Enter press the button that has the focus, as Space does.
void MainWindow::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & ~Qt::KeypadModifier)) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

MainWindow::~MainWindow() = default;

ConverterWindow *MainWindow::showQuantity(const Quantity &quantity)
{
    auto &window = m_windows.at(catalogueIndex(quantity));
    if (!window)
        window = std::make_unique<ConverterWindow>(quantity);
    window->present();
    return window.get();
}

ConverterWindow *MainWindow::existingWindow(const Quantity &quantity) const
{
    return m_windows.at(catalogueIndex(quantity)).get();
}

} // namespace unitavo
