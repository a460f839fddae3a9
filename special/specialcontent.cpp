// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/specialcontent.h"

#include "special/clipboardnotes.h"
#include "special/networknotes.h"
#include "special/reminder.h"
#include "special/systemtexts.h"

namespace jotlet {

SpecialContentFactory specialContentFactory(const SpecialServices& services)
{
    return [services](SpecialKind kind) -> std::unique_ptr<SpecialContent> {
        switch (kind) {
        case SpecialKind::Reminder:
            return makeReminderContent();
        case SpecialKind::RssFeed:
            return services.fetcher ? makeFeedContent(*services.fetcher) : nullptr;
        case SpecialKind::StockQuote:
            return services.fetcher ? makeQuoteContent(*services.fetcher) : nullptr;
        case SpecialKind::ClipboardViewer:
            return services.clipboard ? makeClipboardViewer(*services.clipboard) : nullptr;
        case SpecialKind::ClipboardLog:
            return services.clipboard ? makeClipboardLog(*services.clipboard) : nullptr;
        default:
            return makeSystemContent(kind);
        }
    };
}

} // namespace jotlet
