#include "X11ScreenCapture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <array>
#include <bit>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

constexpr xcb_keysym_t KeysymF6 = 0xFFC3;

// Caps Lock and Num Lock change the modifier state of every key; a grab names the state
// exactly, so F6 is grabbed once for each combination of the two.
constexpr std::array<quint16, 4> LockVariants{
    0,
    XCB_MOD_MASK_LOCK,
    XCB_MOD_MASK_2,
    XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2,
};

template<typename Reply> struct Freed
{
    Reply *reply;
    ~Freed() { std::free(reply); }
    Reply *operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

// A colour channel of a pixel, scaled to 0..255.
int channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint64 maximum = mask >> shift;
    return int(quint64((pixel & mask) >> shift) * 255 / maximum);
}

} // namespace

std::unique_ptr<X11ScreenCapture> X11ScreenCapture::create()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (screens.rem == 0)
        return nullptr;
    return std::unique_ptr<X11ScreenCapture>(new X11ScreenCapture(connection, screens.data->root));
}

X11ScreenCapture::X11ScreenCapture(xcb_connection_t *connection, quint32 root)
    : m_connection(connection)
    , m_format(pixelFormat(root))
{
}

X11ScreenCapture::~X11ScreenCapture()
{
    releaseHotKey();
}

quint8 X11ScreenCapture::hotKeyCode() const
{
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const Freed<xcb_get_keyboard_mapping_reply_t> mapping{xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, quint8(count)),
        nullptr)};
    if (!mapping)
        return 0;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping.reply);
    const int perCode = mapping->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        for (int column = 0; column < perCode; ++column) {
            if (keysyms[code * perCode + column] == KeysymF6)
                return quint8(setup->min_keycode + code);
        }
    }
    return 0;
}

bool X11ScreenCapture::grabHotKey(QWidget *window)
{
    releaseHotKey();
    const Freed<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(
        m_connection, xcb_query_tree(m_connection, xcb_window_t(window->winId())), nullptr)};
    m_keyCode = hotKeyCode();
    if (!tree || m_keyCode == 0)
        return false;
    m_root = tree->root;

    // The key goes to the root window even when one of this program's windows has the focus.
    std::array<xcb_void_cookie_t, LockVariants.size()> cookies{};
    for (size_t i = 0; i < LockVariants.size(); ++i) {
        cookies[i] = xcb_grab_key_checked(m_connection, 0, m_root, LockVariants[i], m_keyCode,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool complete = true;
    for (size_t i = 0; i < LockVariants.size(); ++i) {
        // Another client holding the same grab makes the server refuse it (BadAccess).
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookies[i])) {
            std::free(error);
            complete = false;
        } else {
            m_grabbedModifiers.push_back(LockVariants[i]);
        }
    }
    if (!complete) {
        // Half a hot key, working only with some lock keys, would puzzle more than none.
        releaseHotKey();
        return false;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

void X11ScreenCapture::releaseHotKey()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
    if (m_grabbedModifiers.empty())
        return;
    for (quint16 modifiers : m_grabbedModifiers)
        xcb_ungrab_key(m_connection, m_keyCode, m_root, modifiers);
    m_grabbedModifiers.clear();
    xcb_flush(m_connection);
}

X11ScreenCapture::PixelFormat X11ScreenCapture::pixelFormat(quint32 root) const
{
    PixelFormat format;
    format.root = root;
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    format.mostSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        const xcb_screen_t *screen = screens.data;
        if (screen->root != root)
            continue;
        for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals)) {
                const xcb_visualtype_t *visual = visuals.data;
                if (visual->visual_id != screen->root_visual)
                    continue;
                // Colours indexed through a colour map are not read here.
                if (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR
                    && visual->_class != XCB_VISUAL_CLASS_DIRECT_COLOR)
                    return format;
                format.redMask = visual->red_mask;
                format.greenMask = visual->green_mask;
                format.blueMask = visual->blue_mask;
            }
        }
        for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
             xcb_format_next(&formats)) {
            const int bits = formats.data->bits_per_pixel;
            if (formats.data->depth == screen->root_depth && bits % 8 == 0 && bits <= 32)
                format.bytesPerPixel = format.redMask ? bits / 8 : 0;
        }
    }
    return format;
}

QPoint X11ScreenCapture::pointerPosition() const
{
    const Freed<xcb_query_pointer_reply_t> pointer{xcb_query_pointer_reply(
        m_connection, xcb_query_pointer(m_connection, m_format.root), nullptr)};
    if (!pointer)
        return QPoint(-1, -1);
    if (pointer->root != m_format.root)
        m_format = pixelFormat(pointer->root);
    return QPoint(pointer->root_x, pointer->root_y);
}

int X11ScreenCapture::pixelAt(QPoint point) const
{
    if (m_format.bytesPerPixel == 0 || point.x() < 0 || point.y() < 0)
        return -1;
    const Freed<xcb_get_image_reply_t> image{
        xcb_get_image_reply(m_connection,
                            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_format.root,
                                          qint16(point.x()), qint16(point.y()), 1, 1, ~0u),
                            nullptr)};
    if (!image || xcb_get_image_data_length(image.reply) < m_format.bytesPerPixel)
        return -1;
    const quint8 *bytes = xcb_get_image_data(image.reply);
    quint32 pixel = 0;
    for (int i = 0; i < m_format.bytesPerPixel; ++i) {
        const int byte = m_format.mostSignificantFirst ? i : m_format.bytesPerPixel - 1 - i;
        pixel = (pixel << 8) | bytes[byte];
    }
    return channel(pixel, m_format.redMask) | channel(pixel, m_format.greenMask) << 8
        | channel(pixel, m_format.blueMask) << 16;
}

bool X11ScreenCapture::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const int type = event->response_type & 0x7F;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (key->event != m_root || key->detail != m_keyCode || m_grabbedModifiers.empty())
        return false;
    // Handled once the server's event is done with; the handler closes the capture window.
    // Qt still gets to see the press: it keeps Qt's idea of the server time current, without
    // which the server would refuse the focus change that follows as older than the focus
    // change of whichever client had the focus.
    if (type == XCB_KEY_PRESS) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_grabbedModifiers.empty())
                    Q_EMIT hotKeyPressed();
            },
            Qt::QueuedConnection);
    }
    return false;
}
