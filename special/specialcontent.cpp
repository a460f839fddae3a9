#include "special/specialcontent.h"

#include "special/networknotes.h"
#include "special/reminder.h"
#include "special/systemtexts.h"

namespace jotlet {

SpecialContentFactory specialContentFactory(HttpFetcher* fetcher)
{
    return [fetcher](SpecialKind kind) -> std::unique_ptr<SpecialContent> {
        switch (kind) {
        case SpecialKind::Reminder:
            return makeReminderContent();
        case SpecialKind::RssFeed:
            return fetcher ? makeFeedContent(*fetcher) : nullptr;
        case SpecialKind::StockQuote:
            return fetcher ? makeQuoteContent(*fetcher) : nullptr;
        default:
            return makeSystemContent(kind);
        }
    };
}

} // namespace jotlet
