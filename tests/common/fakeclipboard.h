// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A clipboard a test copies to: it tells of each copy as the desktop's would, and counts how often it was read.
#include "special/clipboardsource.h"

class FakeClipboard : public jotlet::ClipboardSource
{
public:
    jotlet::ClipboardContent content() const override
    {
        ++reads;
        return current;
    }
    void copy(const jotlet::ClipboardContent& copied)
    {
        current = copied;
        emit changed();
    }
    static jotlet::ClipboardContent text(const QString& text, bool secret = false)
    {
        return {true, secret ? QString() : text, secret};
    }

    jotlet::ClipboardContent current;
    mutable int reads = 0;
};
