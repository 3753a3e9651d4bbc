#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

namespace kestrane::saver {

class SaverCanvas;

// The screen saver as a full-screen window of its own: it ends on any key, any button, the wheel
// or a real movement of the mouse.
class SaverWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SaverWindow(const SaverCanvas& canvas);

    // How far the mouse may drift before it counts as the user's return.
    static constexpr int kMoveTolerance = 8;

Q_SIGNALS:
    void userReturned();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const SaverCanvas& m_canvas;
    std::optional<QPoint> m_firstPointer;
};

} // namespace kestrane::saver
