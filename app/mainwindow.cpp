#include "mainwindow.h"

#include "catalogue.h"
#include "converterwindow.h"
#include "ui.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace unitavo {

namespace {

// A label that behaves as a link: blue, underlined, with a pointer of its own; a click opens it.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString &text, std::function<void()> onClick, QWidget *parent)
        : QLabel(parent)
        , m_onClick(std::move(onClick))
    {
        setProperty(linkProperty, true); // before any text, which makes its accessible interface
        setText(text);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 255));
        setPalette(p);
    }

    void open() { m_onClick(); }

    static constexpr const char *linkProperty = "unitavoLink";

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
        QLabel::mouseReleaseEvent(event);
    }

private:
    std::function<void()> m_onClick;
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

// An address longer than its label's place widens the label up to the window's right edge.
void fitWidth(QLabel *label)
{
    const int room = label->parentWidget()->width() - label->x();
    label->resize(std::clamp(label->sizeHint().width(), label->width(), room), label->height());
}

} // namespace

MainWindow::MainWindow(LinkOpener opener, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("frm_conv"));
    setWindowTitle(QStringLiteral("Unitavo 3.3"));
    setFont(defaultFont());
    setFixedSize(fromTwips(1725), fromTwips(4290));
    static const bool factoryInstalled = (QAccessible::installFactory(linkAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);

    QWidget *previous = nullptr;
    const auto &quantities = catalogue();
    for (int i = 0; i < int(quantities.size()); ++i) {
        const Quantity &q = *quantities[i];
        auto *button = new QPushButton(QString::fromUtf8(q.caption), this);
        button->setObjectName(QLatin1String(q.button));
        button->setGeometry(
            fromTwips(195), fromTwips(120 + 360 * i), fromTwips(1335), fromTwips(255));
        connect(button, &QPushButton::clicked, this, [this, i] { showQuantity(i); });
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }

    auto *web = new LinkLabel(
        webAddress(), [this] { m_opener(webLink()); }, this);
    web->setObjectName(QStringLiteral("Label1"));
    web->setFont(fontLike("Arial", 6.75));
    web->setGeometry(fromTwips(15), fromTwips(3720), fromTwips(1695), fromTwips(255));

    auto *mail = new LinkLabel(
        mailAddress(), [this] { m_opener(mailLink()); }, this);
    mail->setObjectName(QStringLiteral("Label2"));
    mail->setGeometry(fromTwips(195), fromTwips(3960), fromTwips(1335), fromTwips(255));

    // The labels take the look of hyperlinks, each with a pointer of its own.
    underline(web);
    web->setCursor(Qt::UpArrowCursor);
    underline(mail);
    mail->setCursor(Qt::WhatsThisCursor);
    fitWidth(web);
    fitWidth(mail);
}

MainWindow::~MainWindow() = default;

ConverterWindow *MainWindow::showQuantity(int index)
{
    auto &window = m_windows.at(index);
    if (!window)
        window = std::make_unique<ConverterWindow>(*catalogue().at(index));
    window->present();
    return window.get();
}

ConverterWindow *MainWindow::existingWindow(int index) const
{
    return m_windows.at(index).get();
}

} // namespace unitavo
