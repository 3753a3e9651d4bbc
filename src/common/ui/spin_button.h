#pragma once

#include <QWidget>

class QToolButton;

namespace kestrane {

// A spin button: an up and a down arrow side by side. Holding an arrow repeats it.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }
    // One step as a click on the arrow does; nothing while that arrow is disabled.
    void step(bool up);

Q_SIGNALS:
    void spinUp();
    void spinDown();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace kestrane
