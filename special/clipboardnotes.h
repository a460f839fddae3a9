// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "special/specialtext.h"

namespace jotlet {

class ClipboardSource;

// What one copy may put into a clipboard note, and how many copies a log keeps.
inline constexpr int kMaxClipboardCharacters = 64 * 1024;
inline constexpr int kMaxClipboardLogEntries = 1000;
// A burst of clipboard changes within this time is read once, at its end.
inline constexpr int kClipboardSettleMs = 100;

// The clipboard viewer: its heading, then the text on the clipboard (the heading alone when the copy offers no text).
std::unique_ptr<SpecialContent> makeClipboardViewer(ClipboardSource& clipboard);
// The clipboard log: each new text (not the same as the last one, letter case aside) below the ones before, after
// the date and time it was copied; the most recent 1,000 are kept.
std::unique_ptr<SpecialContent> makeClipboardLog(ClipboardSource& clipboard);

} // namespace jotlet
