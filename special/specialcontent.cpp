#include "special/specialcontent.h"

#include "special/systemtexts.h"

namespace jotlet {

SpecialContentFactory specialContentFactory()
{
    return [](SpecialKind kind) -> std::unique_ptr<SpecialContent> { return makeSystemContent(kind); };
}

} // namespace jotlet
