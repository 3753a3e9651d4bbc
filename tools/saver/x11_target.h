#pragma once

#include <QAbstractNativeEventFilter>
#include <QImage>
#include <QObject>

#include <memory>

namespace kestrane::saver {

// A window of another program (the screen-saver daemon's, or the root window) that the screen
// saver draws into, as screen savers on X11 do. Needs the X11 platform of Qt.
class X11Target : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    ~X11Target() override;

    // The root window of the display, 0 without X11.
    static quint32 rootWindow();
    // The target for `window`, or null with the reason.
    static std::unique_ptr<X11Target> open(quint32 window, QString* error);

    QSize size() const;
    void draw(const QImage& frame);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    // The window was uncovered or changed size: draw again.
    void needsDrawing();

private:
    struct Connection;
    explicit X11Target(std::unique_ptr<Connection> connection);

    std::unique_ptr<Connection> m_x;
};

} // namespace kestrane::saver
