#include "x11_target.h"

#include <QGuiApplication>

// The build defines KESTRANE_SAVER_X11 when it found the X11 client library.
#ifdef KESTRANE_SAVER_X11
#include <xcb/xcb.h>
#endif

namespace kestrane::saver {

#ifdef KESTRANE_SAVER_X11

struct X11Target::Connection
{
    xcb_connection_t* c = nullptr;
    xcb_window_t window = 0;
    xcb_gcontext_t gc = 0;
    uint8_t depth = 0;
    QSize size;
};

namespace {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Whether images of `depth` go to the server as 32-bit pixels in the order of QImage::Format_RGB32.
bool takesRgb32(xcb_connection_t* c, uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || (depth != 24 && depth != 32))
        return false;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
        if (it.data->depth == depth)
            return it.data->bits_per_pixel == 32;
    return false;
}

} // namespace

quint32 X11Target::rootWindow()
{
    xcb_connection_t* c = connection();
    return c ? xcb_setup_roots_iterator(xcb_get_setup(c)).data->root : 0;
}

std::unique_ptr<X11Target> X11Target::open(quint32 window, QString* error)
{
    xcb_connection_t* c = connection();
    if (!c) {
        *error = u"drawing into another window needs an X11 display"_qs;
        return nullptr;
    }
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry) {
        *error = u"there is no window 0x%1"_qs.arg(window, 0, 16);
        return nullptr;
    }
    auto x = std::make_unique<Connection>();
    x->c = c;
    x->window = window;
    x->depth = geometry->depth;
    x->size = QSize(geometry->width, geometry->height);
    free(geometry);
    if (!takesRgb32(c, x->depth)) {
        *error = u"the window's colour depth %1 is not supported"_qs.arg(x->depth);
        return nullptr;
    }
    x->gc = xcb_generate_id(c);
    xcb_create_gc(c, x->gc, window, 0, nullptr);
    // Our own interest in the window, beside its owner's: uncovered parts and new sizes.
    const uint32_t events = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &events);
    xcb_flush(c);
    std::unique_ptr<X11Target> target(new X11Target(std::move(x)));
    qGuiApp->installNativeEventFilter(target.get());
    return target;
}

X11Target::X11Target(std::unique_ptr<Connection> connection) : m_x(std::move(connection)) {}

X11Target::~X11Target()
{
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
    xcb_free_gc(m_x->c, m_x->gc);
    xcb_flush(m_x->c);
}

QSize X11Target::size() const
{
    return m_x->size;
}

void X11Target::draw(const QImage& frame)
{
    const QImage image =
        frame.format() == QImage::Format_RGB32 ? frame : frame.convertToFormat(QImage::Format_RGB32);
    const qsizetype rowBytes = image.bytesPerLine();
    // Requests have a size limit: the picture goes in bands of whole rows.
    const qsizetype limit = qsizetype(xcb_get_maximum_request_length(m_x->c)) * 4 - 64;
    const int rows = int(std::max<qsizetype>(1, limit / rowBytes));
    for (int y = 0; y < image.height(); y += rows) {
        const int band = std::min(rows, image.height() - y);
        xcb_put_image(m_x->c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_x->window, m_x->gc, uint16_t(image.width()),
                      uint16_t(band), 0, int16_t(y), 0, m_x->depth, uint32_t(band * rowBytes),
                      image.constScanLine(y));
    }
    xcb_flush(m_x->c);
}

bool X11Target::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_EXPOSE: {
        auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
        if (expose->window == m_x->window && expose->count == 0)
            Q_EMIT needsDrawing();
        return expose->window == m_x->window;
    }
    case XCB_CONFIGURE_NOTIFY: {
        auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        if (configure->window != m_x->window)
            return false;
        const QSize size(configure->width, configure->height);
        if (size != m_x->size) {
            m_x->size = size;
            Q_EMIT needsDrawing();
        }
        return false;
    }
    default:
        return false;
    }
}

#else

struct X11Target::Connection
{
};

quint32 X11Target::rootWindow()
{
    return 0;
}

std::unique_ptr<X11Target> X11Target::open(quint32, QString* error)
{
    *error = u"this build cannot draw into another window"_qs;
    return nullptr;
}

X11Target::X11Target(std::unique_ptr<Connection> connection) : m_x(std::move(connection)) {}

X11Target::~X11Target() = default;

QSize X11Target::size() const
{
    return {};
}

void X11Target::draw(const QImage&) {}

bool X11Target::nativeEventFilter(const QByteArray&, void*, qintptr*)
{
    return false;
}

#endif

} // namespace kestrane::saver
