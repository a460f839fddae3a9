// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "special/specialtext.h"

namespace jotlet {

class ClipboardSource;
class HttpFetcher;

// What the special notes read from outside the program; a note kind whose service is missing has no writer.
struct SpecialServices
{
    HttpFetcher* fetcher = nullptr;       // feeds and quotes
    ClipboardSource* clipboard = nullptr; // the clipboard viewer and log
};

// The program's content writers for every kind of special note there is one for.
SpecialContentFactory specialContentFactory(const SpecialServices& services = {});

} // namespace jotlet
