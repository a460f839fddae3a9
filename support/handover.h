// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace jotlet {

// Work handed to Qt's thread pool, and its result handed back, pass through Qt's own locks. Where Qt is not built
// with ThreadSanitizer (Debian's is not) the sanitizer cannot see those locks; these tell it about each hand-over,
// so that it reports only real races. In every other build they are nothing.

// Everything this thread did so far is seen by the next thread to take over the same token.
inline void handOver(const void* token)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void*>(token));
#else
    Q_UNUSED(token)
#endif
}

inline void takeOver(const void* token)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void*>(token));
#else
    Q_UNUSED(token)
#endif
}

// Runs work on Qt's thread pool; the watcher tells when it is done. Work must own what it touches (copies).
template <typename T, typename Work>
void runInPool(QFutureWatcher<T>& watcher, Work work)
{
    const void* token = &watcher;
    auto task = [token, work = std::move(work)]() mutable {
        takeOver(token);
        T result = work();
        handOver(token);
        return result;
    };
    handOver(token);
    watcher.setFuture(QtConcurrent::run(std::move(task)));
}

// The result of runInPool's work, once the watcher has finished.
template <typename T>
T resultOf(QFutureWatcher<T>& watcher)
{
    takeOver(&watcher);
    return watcher.result();
}

} // namespace jotlet
