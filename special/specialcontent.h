#pragma once

#include "window/specialnote.h"

namespace jotlet {

class HttpFetcher;

// The program's content writers for every kind of special note there is one for. The feed and quote notes ask
// through the fetcher; without one they have no writer.
SpecialContentFactory specialContentFactory(HttpFetcher* fetcher = nullptr);

} // namespace jotlet
