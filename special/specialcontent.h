#pragma once

#include "window/specialnote.h"

namespace jotlet {

// The program's content writers for every kind of special note there is one for.
SpecialContentFactory specialContentFactory();

} // namespace jotlet
