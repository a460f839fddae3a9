// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace jotlet {

// The small windows that ask for one answer: the prompt, the field, "&Ok" (Enter) and "&Cancel" (Esc), titled
// title (the program's name when empty).

// Asks for one line of text, preset with defaultText (selected, so that typing replaces it). "&Ok" gives the text
// (which may be empty); "&Cancel" and the close box give nothing, so that a caller can leave things as they were.
std::optional<QString> inputText(const QString& prompt, const QString& title, const QString& defaultText);

// Asks for a time of day with a time picker that starts at defaultTime ("hh:mm:ss AMPM"), or at the current time
// when that is empty or not a time. Ok gives the time the picker shows, as "hh:mm:ss AMPM"; Cancel and the close
// box give "".
QString inputTime(const QString& prompt, const QString& title, const QString& defaultTime);

} // namespace jotlet
