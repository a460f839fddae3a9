// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jotlet {

// Hands the memory the heap holds free back to the system. Work done on a worker thread (the day's snapshot of
// every note) leaves its freed buffers in that thread's heap, where they stay resident until this is called.
void giveBackFreeMemory();

} // namespace jotlet
