// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/inputbox.h"

#include "note/dialogresponder.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/timetext.h"

namespace jotlet {

namespace {

QString shownTitle(const QString& title)
{
    return title.isEmpty() ? QString::fromLatin1(kApplicationName) : title;
}

} // namespace

std::optional<QString> inputText(const QString& prompt, const QString& title, const QString& defaultText)
{
    return dialogResponder().textDialog(shownTitle(title), prompt, defaultText);
}

QString inputTime(const QString& prompt, const QString& title, const QString& defaultTime)
{
    QTime initial = parseTimeOfDay(defaultTime);
    if (!initial.isValid()) {
        initial = Clock::now().time();
    }
    const std::optional<QTime> answer = dialogResponder().timeDialog(shownTitle(title), prompt, initial);
    return answer ? timeOfDayText(*answer) : QString();
}

} // namespace jotlet
