// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "converterwindow.h"

#include "focusvisible.h"
#include "fonts.h"
#include "messages.h"
#include "press.h"
#include "reporter.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>

namespace unitavo {

struct ConverterWindow::Controls {
    QWidget *form = nullptr; // parent of every control; deleting it discards them all
    QButtonGroup *sources = nullptr;
    QButtonGroup *targets = nullptr;
    QVarLengthArray<std::pair<BoxName, QLineEdit *>, 4> boxes; // every text box, by name
    QVarLengthArray<QWidget *, 4> extras;
    QGroupBox *sourceFrame = nullptr;
    QGroupBox *targetFrame = nullptr;

    QLineEdit *box(BoxName name) const
    {
        for (const auto &[boxName, edit] : boxes) {
            if (boxName == name)
                return edit;
        }
        return nullptr;
    }
};

namespace {

QString caption(const char *text)
{
    return QString::fromUtf8(text);
}

// Where a radio button's caption text starts, from its left edge.
int captionOffset(const QRadioButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button).left();
}

// Option buttons stand this far from their frame's left edge and keep this gap to its right edge.
constexpr int kUnitLeft = 120; // twips
constexpr int kFrameMargin = 2; // pixels

// The window's font: the default one, or a pixel smaller at a time while some caption would not
// fit in its frame even with its button widened to the frame's edge.
QFont fittingFont(const Quantity &q)
{
    QRadioButton probe;
    return shrunkToFit(defaultFont(), [&](const QFont &font) {
        probe.setFont(font);
        for (const UnitRow &row : q.rows) {
            for (bool sourceSide : {true, false}) {
                const Rect &frame = sourceSide ? q.layout.frame1 : q.layout.frame2;
                probe.setText(caption(row.captionFor(sourceSide)));
                if (probe.sizeHint().width()
                    > fromTwips(frame.width) - fromTwips(kUnitLeft) - kFrameMargin)
                    return false;
            }
        }
        return true;
    });
}

// Superscript labels only draw the "2" or "3" of a unit whose button already says m² or kg/m³ to
// assistive technologies; this property keeps them out of the accessible tree.
constexpr const char *kDecorationProperty = "unitavoDecoration";

// A unit frame as assistive technologies see it: a group of its controls, less the decoration.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    { }
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = children();
        return index >= 0 && index < list.size()
            ? QAccessible::queryAccessibleInterface(list[index])
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> children() const
    {
        QList<QWidget *> list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !w->property(kDecorationProperty).toBool())
                list.append(w);
        }
        return list;
    }
};

constexpr const char *kUnitFrameProperty = "unitavoUnitFrame";

QAccessibleInterface *frameAccessibleFactory(const QString &, QObject *object)
{
    auto *frame = qobject_cast<QGroupBox *>(object);
    if (frame && frame->property(kUnitFrameProperty).toBool())
        return new FrameAccessible(frame);
    return nullptr;
}

QLineEdit *makeBox(QWidget *parent, BoxName name, const Rect &rect, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name.latin1());
    box->setGeometry(fromTwips(rect));
    box->setCursorPosition(0);
    return box;
}

// What assistive technologies call a unit button: its caption, with the superscript it carries.
QString unitName(const QAbstractButton *button)
{
    if (!button)
        return {};
    return button->accessibleName().isEmpty() ? button->text().simplified()
                                              : button->accessibleName();
}

// The "2" or "3" drawn after a unit button's caption, so that it reads as m², cm³; the button is
// then called m² or kg/m³ as one unit, while its caption stays as it is drawn.
void addSuperscript(QRadioButton *button, const UnitRow &row, bool sourceSide)
{
    const Superscript &sup = row.superscript;
    auto *label = new QLabel(QLatin1String(sup.text), button->parentWidget());
    label->setObjectName(QLatin1String(sourceSide ? sup.sourceLabel : sup.targetLabel));
    label->setFont(fontLike("Arial", 5.25));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setProperty(kDecorationProperty, true);
    // Right after the caption's last letter.
    const int x = button->x() + captionOffset(button)
        + button->fontMetrics().horizontalAdvance(button->text());
    label->setGeometry(x, fromTwips(row.top), fromTwips(sup.width), fromTwips(sup.height));
    button->setAccessibleName(button->text().simplified() + QString::fromUtf8(sup.character()));
}

// Sets the accessible description; assistive technologies hear of a change, and only of one.
void describe(QWidget *w, const QString &description)
{
    if (w->accessibleDescription() == description)
        return;
    w->setAccessibleDescription(description); // which sends DescriptionChanged
}

} // namespace

ConverterWindow::ConverterWindow(const Quantity &quantity, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_quantity(quantity)
{
    setObjectName(QLatin1String(quantity.name));
    setWindowTitle(caption(quantity.caption));
    setFont(fittingFont(quantity));
    setFixedSize(fromTwips(quantity.layout.clientWidth), fromTwips(quantity.layout.clientHeight));
    static const bool factoryInstalled
        = (QAccessible::installFactory(frameAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);

    // Escape and Ctrl+W close the window as its frame's close button does.
    for (const QKeySequence &keys :
        {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

ConverterWindow::~ConverterWindow() = default;

void ConverterWindow::present()
{
    if (!m_loaded)
        load();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void ConverterWindow::showEvent(QShowEvent *event)
{
    if (!m_loaded)
        load();
    QWidget::showEvent(event);
}

void ConverterWindow::changeEvent(QEvent *event)
{
    showFocusWhenActive(this, event);
    QWidget::changeEvent(event);
}

void ConverterWindow::closeEvent(QCloseEvent *event)
{
    // The controls are rebuilt on the next show; the window object and its pivot stay.
    m_loaded = false;
    QWidget::closeEvent(event);
}

void ConverterWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        calcola();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConverterWindow::load()
{
    if (m_controls)
        delete m_controls->form;
    m_controls = std::make_unique<Controls>();
    Controls &c = *m_controls;
    c.form = new QWidget(this);
    c.form->setGeometry(rect());

    makeFrames();
    QList<QWidget *> tabChain;
    QList<QWidget *> targetChain;
    makeUnitButtons(tabChain, targetChain);
    tabChain.append(makeSourceBoxes());
    tabChain.append(targetChain);
    tabChain.append(makeCalcolaAndResult());
    setTabChain(tabChain);

    // The input row follows the source selected last, however it was selected: by the mouse, the
    // keyboard, an assistive technology or code.
    if (!m_quantity.inputLayouts.empty()) {
        connect(c.sources, &QButtonGroup::idToggled, this, [this](int row, bool checked) {
            if (checked)
                applyInputLayout(row);
        });
    }

    c.form->show();
    if (!tabChain.isEmpty())
        tabChain.first()->setFocus(Qt::OtherFocusReason);
    m_loaded = true;
}

void ConverterWindow::makeFrames()
{
    Controls &c = *m_controls;
    const auto makeFrame = [&](const char *name, const Rect &r, const QString &accessibleName) {
        auto *frame = new QGroupBox(c.form);
        frame->setObjectName(QLatin1String(name));
        frame->setProperty(kUnitFrameProperty, true);
        frame->setGeometry(fromTwips(r));
        frame->setAccessibleName(accessibleName);
        return frame;
    };
    c.sourceFrame = makeFrame(m_quantity.sourceFrame, m_quantity.layout.frame1, sourceFrameName());
    c.targetFrame = makeFrame(m_quantity.targetFrame, m_quantity.layout.frame2, targetFrameName());
    c.sources = new QButtonGroup(c.form);
    c.targets = new QButtonGroup(c.form);
}

void ConverterWindow::makeUnitButtons(QList<QWidget *> &sourceChain, QList<QWidget *> &targetChain)
{
    for (int i = 0; i < int(m_quantity.rows.size()); ++i) {
        sourceChain.append(makeUnitButton(m_quantity.rows[i], i, true));
        targetChain.append(makeUnitButton(m_quantity.rows[i], i, false));
    }
}

QRadioButton *ConverterWindow::makeUnitButton(const UnitRow &row, int index, bool sourceSide)
{
    Controls &c = *m_controls;
    QGroupBox *frame = sourceSide ? c.sourceFrame : c.targetFrame;
    auto *button = new QRadioButton(caption(row.captionFor(sourceSide)), frame);
    button->setObjectName(QLatin1String(sourceSide ? row.source : row.target));
    // A caption never clips: a button too narrow for it in this font grows within its frame.
    const int left = fromTwips(kUnitLeft);
    const int width = std::max(fromTwips(row.widthFor(sourceSide)),
        std::min(button->sizeHint().width(), frame->width() - left - kFrameMargin));
    // Nor does its indicator: a row lower than the indicator grows, within its frame.
    QStyleOptionButton option;
    option.initFrom(button);
    const int indicator
        = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, button);
    const int top = fromTwips(row.top);
    const int height = std::max(
        fromTwips(row.height), std::min(indicator, frame->height() - top - kFrameMargin));
    button->setGeometry(left, top, width, height);
    (sourceSide ? c.sources : c.targets)->addButton(button, index);
    if (row.superscript.text)
        addSuperscript(button, row, sourceSide);
    return button;
}

QList<QWidget *> ConverterWindow::makeSourceBoxes()
{
    Controls &c = *m_controls;
    QList<QWidget *> chain;
    QLineEdit *input
        = makeBox(c.sourceFrame, kInputBox, m_quantity.layout.input, QStringLiteral("1"));
    input->setAccessibleName(inputBoxName());
    c.boxes.append({kInputBox, input});
    chain.append(input);
    for (const ExtraControl &extra : m_quantity.extras) {
        QWidget *w = nullptr;
        if (extra.kind == ExtraControl::Kind::TextBox) {
            const BoxName name(extra.name);
            auto *box = makeBox(c.sourceFrame, name, extra.rect, caption(extra.text));
            c.boxes.append({name, box});
            chain.append(box);
            w = box;
        } else {
            w = new QLabel(caption(extra.text), c.sourceFrame);
            w->setObjectName(QLatin1String(extra.name));
            w->setGeometry(fromTwips(extra.rect));
        }
        if (extra.accessibleName)
            w->setAccessibleName(caption(extra.accessibleName));
        if (extra.fontFamily)
            w->setFont(fontLike(extra.fontFamily, extra.fontPoints));
        w->setVisible(false);
        c.extras.append(w);
    }
    return chain;
}

QList<QWidget *> ConverterWindow::makeCalcolaAndResult()
{
    Controls &c = *m_controls;
    const Layout &layout = m_quantity.layout;
    auto *calcolaButton = new QPushButton(calcolaCaption(), c.form);
    calcolaButton->setObjectName(QLatin1String(kCalcola));
    calcolaButton->setGeometry(fromTwips(layout.calcola));
    connect(calcolaButton, &QPushButton::clicked, this, &ConverterWindow::calcola);

    QLineEdit *result = makeBox(
        layout.resultOnWindow ? c.form : c.targetFrame, kResultBox, layout.result, QString());
    result->setReadOnly(true);
    result->setAccessibleName(resultBoxName());
    if (layout.resultOnWindow)
        result->raise(); // drawn over the lower part of the target frame
    c.boxes.append({kResultBox, result});
    return {calcolaButton, result};
}

void ConverterWindow::setTabChain(QList<QWidget *> &chain)
{
    // The quantity's tab tail moves its controls, in its order, to the end of the chain.
    for (const char *name : m_quantity.tabTail) {
        QWidget *w = m_controls->form->findChild<QWidget *>(QLatin1String(name));
        if (w && chain.removeOne(w))
            chain.append(w);
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void ConverterWindow::applyInputLayout(int row)
{
    const InputLayout &layout = m_quantity.inputLayouts[m_quantity.rows[row].inputLayout];
    QLineEdit *input = m_controls->box(kInputBox);
    input->resize(fromTwips(layout.inputWidth), input->height());
    for (QWidget *extra : m_controls->extras)
        extra->setVisible(layout.extrasVisible);
}

void ConverterWindow::enter(int sourceRow, int targetRow, const BoxTexts &typed)
{
    if (!m_loaded)
        return;
    const Controls &c = *m_controls;
    c.sources->button(sourceRow)->click();
    for (const BoxText &t : typed) {
        if (QLineEdit *box = c.box(t.box)) {
            box->setText(t.text);
            box->setCursorPosition(0);
        }
    }
    c.targets->button(targetRow)->click();
    c.form->findChild<QPushButton *>(QLatin1String(kCalcola))->click();
}

void ConverterWindow::calcola()
{
    if (!m_loaded)
        return;
    const Controls &c = *m_controls;
    PressInput input;
    input.source = c.sources->checkedId();
    input.target = c.targets->checkedId();
    for (const auto &[name, box] : c.boxes)
        input.texts.append({name, box->text()});
    input.heldPivot = m_heldPivot;
    input.locale = QLocale();

    const PressOutcome outcome = press(m_quantity, input);
    m_heldPivot = outcome.heldPivot;
    for (const BoxText &w : outcome.writes) {
        if (QLineEdit *box = c.box(w.box)) {
            // A screen reader says which unit a result is in, as the target button is called.
            if (w.box == kResultBox)
                describe(box, w.text.isEmpty() ? QString() : unitName(c.targets->checkedButton()));
            box->setText(w.text);
            box->setCursorPosition(0);
        }
    }
    if (outcome.failure)
        report(this, failureMessage(*outcome.failure));
}

} // namespace unitavo
