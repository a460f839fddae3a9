// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextFormat>

namespace jotlet {

// Properties that keep RTF measurements exactly as read, so that a note loaded and saved again
// writes the same twips even though the document lays itself out in pixels.
namespace RtfProperty {
enum : int {
    LeftIndentTwips = QTextFormat::UserProperty + 1,
    RightIndentTwips,
    FirstIndentTwips,
};
} // namespace RtfProperty

// Twips to document pixels and back (the document is laid out at 96 dots per inch).
inline constexpr double kTwipsPerPixel = 15.0;

// A list item's text starts at least this far in, so that its marker has room before it (rich-edit's own indent).
inline constexpr int kMinimumListIndentTwips = 200;

} // namespace jotlet
