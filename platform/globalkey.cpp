// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/globalkey.h"

#include <QCoreApplication>

#ifdef JOTLET_HAVE_XCB
#include "platform/x11.h"

#include <cstdlib>
#endif

namespace jotlet {

namespace {

constexpr quint16 kShiftMask = 1;
constexpr quint16 kLockMask = 2; // Caps Lock
constexpr quint16 kControlMask = 4;
constexpr quint16 kAltMask = 8;      // Mod1
constexpr quint16 kNumLockMask = 16; // Mod2, where every common keyboard map puts Num Lock
constexpr quint16 kSuperMask = 64;   // Mod4

std::optional<quint32> keysymOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return quint32(key - Qt::Key_A + 'a');
    }
    if (key > Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        return quint32(key); // digits and signs: Latin-1 keysyms are their codes
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return quint32(0xffbe + (key - Qt::Key_F1));
    }
    switch (key) {
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_Escape:
        return 0xff1b;
    case Qt::Key_Tab:
        return 0xff09;
    case Qt::Key_Backspace:
        return 0xff08;
    case Qt::Key_Return:
        return 0xff0d;
    case Qt::Key_Insert:
        return 0xff63;
    case Qt::Key_Delete:
        return 0xffff;
    case Qt::Key_Pause:
        return 0xff13;
    case Qt::Key_Print:
        return 0xff61;
    case Qt::Key_Home:
        return 0xff50;
    case Qt::Key_End:
        return 0xff57;
    case Qt::Key_Left:
        return 0xff51;
    case Qt::Key_Up:
        return 0xff52;
    case Qt::Key_Right:
        return 0xff53;
    case Qt::Key_Down:
        return 0xff54;
    case Qt::Key_PageUp:
        return 0xff55;
    case Qt::Key_PageDown:
        return 0xff56;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<X11KeyChord> x11KeyChord(QKeyCombination key)
{
    const std::optional<quint32> keysym = keysymOf(key.key());
    if (!keysym) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers held = key.keyboardModifiers();
    quint16 modifiers = 0;
    modifiers |= held.testFlag(Qt::ShiftModifier) ? kShiftMask : 0;
    modifiers |= held.testFlag(Qt::ControlModifier) ? kControlMask : 0;
    modifiers |= held.testFlag(Qt::AltModifier) ? kAltMask : 0;
    modifiers |= held.testFlag(Qt::MetaModifier) ? kSuperMask : 0;
    const bool functionKey = *keysym >= 0xff00;
    if (!functionKey && !(modifiers & (kControlMask | kAltMask | kSuperMask))) {
        return std::nullopt; // it would type nowhere else any more
    }
    return X11KeyChord {*keysym, modifiers};
}

GlobalKey::GlobalKey(QObject* parent)
    : QObject(parent)
{
}

GlobalKey::~GlobalKey()
{
    release();
}

#ifdef JOTLET_HAVE_XCB

namespace {

// The same key with and without Caps Lock and Num Lock, which the X server counts as modifiers.
constexpr quint16 kLockVariants[] = {0, kLockMask, kNumLockMask, kLockMask | kNumLockMask};

// The first keycode that gives the keysym; 0 when no key of the keyboard does.
quint8 keycodeOf(xcb_connection_t* connection, quint32 keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, uint8_t(count)), nullptr);
    if (!reply) {
        return 0;
    }
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perKeycode = reply->keysyms_per_keycode;
    quint8 found = 0;
    for (int code = 0; code < count && !found; ++code) {
        for (int column = 0; column < perKeycode && column < 2; ++column) {
            if (keysyms[code * perKeycode + column] == keysym) {
                found = quint8(setup->min_keycode + code);
                break;
            }
        }
    }
    std::free(reply);
    return found;
}

} // namespace

GlobalKey::Outcome GlobalKey::setKey(const QKeySequence& key)
{
    release();
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return Outcome::Unavailable;
    }
    const std::optional<X11KeyChord> chord = key.isEmpty() ? std::nullopt : x11KeyChord(key[0]);
    const quint8 keycode = chord ? keycodeOf(connection, chord->keysym) : 0;
    if (!keycode) {
        return Outcome::Unsupported;
    }
    const xcb_window_t root = x11RootWindow(connection);
    bool inUse = false;
    for (const quint16 variant : kLockVariants) {
        // Not reported to the focused window of the program itself: every press comes to the root window.
        xcb_generic_error_t* error = xcb_request_check(
            connection,
            xcb_grab_key_checked(
                connection, 0, root, chord->modifiers | variant, keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        inUse = inUse || error;
        std::free(error);
    }
    m_keycode = keycode;
    m_modifiers = chord->modifiers;
    if (inUse) {
        release(); // a key that works only with Num Lock on would puzzle more than a key that is missing
        return Outcome::InUse;
    }
    m_key = key;
    if (!m_filtering) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filtering = true;
    }
    return Outcome::Taken;
}

void GlobalKey::release()
{
    xcb_connection_t* connection = x11Connection();
    if (m_keycode && connection) {
        const xcb_window_t root = x11RootWindow(connection);
        for (const quint16 variant : kLockVariants) {
            xcb_ungrab_key(connection, m_keycode, root, m_modifiers | variant);
        }
        xcb_flush(connection);
    }
    m_keycode = 0;
    m_modifiers = 0;
    m_key = QKeySequence();
}

bool GlobalKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    if (!m_keycode || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) {
        return false;
    }
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const quint16 held = key->state & (kShiftMask | kControlMask | kAltMask | kSuperMask);
    if (key->detail != m_keycode || held != m_modifiers) {
        return false;
    }
    if (type == XCB_KEY_RELEASE) {
        m_lastReleaseTime = key->time;
    } else if (key->time != m_lastReleaseTime) { // a repeat comes with its release's time
        // After Qt has taken the press's time: the new note's window may then take the keyboard from the
        // program that had it.
        QMetaObject::invokeMethod(this, &GlobalKey::pressed, Qt::QueuedConnection);
    }
    return false;
}

#else

GlobalKey::Outcome GlobalKey::setKey(const QKeySequence& key)
{
    return Outcome::Unavailable;
}

void GlobalKey::release() { }

bool GlobalKey::nativeEventFilter(const QByteArray&, void*, qintptr*)
{
    return false;
}

#endif

} // namespace jotlet
