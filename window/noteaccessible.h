// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jotlet {

// Lets screen readers see the parts a note window draws itself (its title, its sub-caption and its resize grip) as
// parts of their own, beside its widgets, and the chrome's buttons as push buttons named by the button. These
// interfaces are made only when assistive technology asks for them.
void installNoteAccessibility();

} // namespace jotlet
