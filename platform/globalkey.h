// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>

#include <optional>

namespace jotlet {

// A key as the X server knows it: a keysym and the modifier mask (Shift 1, Control 4, Mod1 (Alt) 8, Mod4 (Super)
// 64).
struct X11KeyChord
{
    quint32 keysym = 0;
    quint16 modifiers = 0;
    bool operator==(const X11KeyChord& other) const { return keysym == other.keysym && modifiers == other.modifiers; }
};

// The X key of a Qt key combination; none for a key X has no keysym for here, or for a key that would take typing
// away from every program (a letter, digit or sign without Ctrl, Alt or Super).
std::optional<X11KeyChord> x11KeyChord(QKeyCombination key);

// A key that reaches the program whichever window has the keyboard (a passive grab on the X root window). Where
// the window system has none (Wayland, where a compositor alone decides about keys), nothing is taken.
class GlobalKey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    enum class Outcome {
        Taken,       // the key is the program's now
        InUse,       // another program holds it
        Unsupported, // no such key here (see x11KeyChord), or an empty sequence
        Unavailable, // the window system gives no keys to programs
    };

    explicit GlobalKey(QObject* parent = nullptr);
    ~GlobalKey() override;

    // Takes the key; the key held before is let go, even when the new one cannot be taken.
    Outcome setKey(const QKeySequence& key);
    void release();
    QKeySequence key() const { return m_key; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // The key went down (once for a key held down).
    void pressed();

private:
    QKeySequence m_key;
    quint8 m_keycode = 0;
    quint16 m_modifiers = 0;
    quint32 m_lastReleaseTime = 0;
    bool m_filtering = false;
};

} // namespace jotlet
