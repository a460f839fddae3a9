#include "special/specialcontent.h"

#include "special/reminder.h"
#include "special/systemtexts.h"

namespace jotlet {

SpecialContentFactory specialContentFactory()
{
    return [](SpecialKind kind) -> std::unique_ptr<SpecialContent> {
        if (kind == SpecialKind::Reminder) {
            return makeReminderContent();
        }
        return makeSystemContent(kind);
    };
}

} // namespace jotlet
