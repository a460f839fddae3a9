// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jotlet {

// Shows "There was an error in creating an error log entry" (title "Log Error") when a log entry cannot be
// written: one box at a time, and without waiting for it to be closed.
void installLogErrorMessageBox();

} // namespace jotlet
