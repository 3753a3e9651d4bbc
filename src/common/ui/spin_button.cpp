#include "common/ui/spin_button.h"

#include "common/ui/accessible_controls.h"

#include <QKeyEvent>
#include <QToolButton>

namespace kestrane {

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    installAccessibleControls();
    m_up->setObjectName(u"SpinUp"_qs);
    m_down->setObjectName(u"SpinDown"_qs);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        // Reached with Tab and worked with Space; a click leaves the focus where it was.
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    }
    connect(m_up, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::spinDown);
}

void SpinButton::step(bool up)
{
    QToolButton* arrow = up ? m_up : m_down;
    if (arrow->isEnabled())
        arrow->click();
}

void SpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = width() / 2;
    m_down->setGeometry(0, 0, half, height());
    m_up->setGeometry(half, 0, width() - half, height());
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event)
{
    // With either arrow focused, Up and Down spin as on any spin box.
    if (event->type() == QEvent::KeyPress && (watched == m_up || watched == m_down)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kestrane
