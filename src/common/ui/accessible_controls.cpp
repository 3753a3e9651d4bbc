#include "common/ui/accessible_controls.h"

#include "common/ui/spin_button.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>

#include <memory>

namespace kestrane {

namespace {

// "&Photos" as a screen reader should say it: "Photos" ("&&" stays one "&").
QString withoutMnemonic(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

// The toolkit's own option button toggles an unselected option on, but does nothing at all for the
// selected one: the group keeps it checked and no signal comes. A click on it still acts, so the
// action clicks it.
class OptionButtonAccessible : public QAccessibleWidget
{
public:
    explicit OptionButtonAccessible(QRadioButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && option()->accessibleName().isEmpty())
            return withoutMnemonic(option()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        s.pressed = option()->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (option()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != toggleAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (!option()->isEnabled())
            return;
        if (option()->isChecked())
            option()->click();
        else
            option()->toggle();
    }

private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }
};

// Two arrows side by side are one spin box to a screen reader, stepped by its increase and
// decrease actions as the arrows step it.
class SpinButtonAccessible : public QAccessibleWidget
{
public:
    explicit SpinButtonAccessible(SpinButton* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    QStringList actionNames() const override
    {
        QStringList names;
        if (spin()->upButton()->isEnabled())
            names << increaseAction();
        if (spin()->downButton()->isEnabled())
            names << decreaseAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == increaseAction() || action == decreaseAction())
            spin()->step(action == increaseAction());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }
};

QAccessibleInterface* programAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QRadioButton")) {
        if (auto* option = qobject_cast<QRadioButton*>(object))
            return new OptionButtonAccessible(option);
    }
    if (auto* spin = qobject_cast<SpinButton*>(object);
        spin && className == QLatin1String("kestrane::SpinButton"))
        return new SpinButtonAccessible(spin);
    // A plain widget that is a window would be a "client" (a filler to the screen reader), which
    // announces neither that a window opened nor its title.
    if (className == QLatin1String("QWidget")) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isWindow())
            return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(programAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void onOptionChosen(QAbstractButton* option, QObject* context, std::function<void()> act)
{
    installAccessibleControls();
    // Whether the option was selected when the click began: only then does a click not toggle it.
    auto selectedAtPress = std::make_shared<bool>(false);
    QObject::connect(option, &QAbstractButton::pressed, context,
                     [option, selectedAtPress] { *selectedAtPress = option->isChecked(); });
    QObject::connect(option, &QAbstractButton::toggled, context, [act](bool on) {
        if (on)
            act();
    });
    QObject::connect(option, &QAbstractButton::clicked, context, [selectedAtPress, act] {
        if (*selectedAtPress)
            act();
        *selectedAtPress = false;
    });
}

void closeOnEscape(QWidget* area, QAbstractButton* closeButton)
{
    installAccessibleControls();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), area);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, closeButton, [closeButton] {
        if (closeButton->isVisible() && closeButton->isEnabled())
            closeButton->click();
    });
}

} // namespace kestrane
