// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "special/specialtext.h"

namespace jotlet {

class HttpFetcher;

// The largest replies the notes take, and how many headlines a feed note shows.
inline constexpr qint64 kMaxFeedBytes = 2 * 1024 * 1024;
inline constexpr qint64 kMaxQuoteBytes = 64 * 1024;
inline constexpr int kMaxFeedItemsShown = 500;

// The feed and stock quote notes. Each refresh asks the server and returns at once; the note is written when the
// answer comes (a feed is read on a worker thread). An answer that comes after the note stopped being that kind, or
// closed, is dropped. A failure shows the note's failure text and is logged once for each new reason.
std::unique_ptr<SpecialContent> makeFeedContent(HttpFetcher& fetcher);
std::unique_ptr<SpecialContent> makeQuoteContent(HttpFetcher& fetcher);

} // namespace jotlet
