#pragma once

#include <QTimer>
#include <QWidget>

class QFrame;
class QLabel;

namespace kestrane {

// Form2: the splash window shown while start-up runs. Its timer opens the main window.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* timer() { return m_timer; }
    // Hides the window and stops its timer (interval 0), as unloading it does.
    void unload();
    void startTimer();

Q_SIGNALS:
    void timerFired();

private:
    QFrame* m_panel = nullptr;
    QLabel* m_image = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace kestrane
