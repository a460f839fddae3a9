// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/specialtext.h"

#include "note/notetext.h"

namespace jotlet {

namespace {

constexpr int kLongestRefreshMs = 65535;
constexpr quint32 kBlack = 0;

} // namespace

int refreshInterval(SpecialKind kind, bool hasFeedAddress)
{
    switch (kind) {
    case SpecialKind::Time:
        return 1000;
    case SpecialKind::Memory:
    case SpecialKind::Drives:
    case SpecialKind::StockQuote:
        return kLongestRefreshMs;
    case SpecialKind::RssFeed:
        return hasFeedAddress ? kLongestRefreshMs : 0;
    case SpecialKind::Reminder:
        return 6000;
    default:
        return 0;
    }
}

int nextRefreshDelay(SpecialKind kind, const QDateTime& now, bool hasFeedAddress)
{
    if (kind == SpecialKind::Time) {
        return 1000 - now.time().msec(); // to the next whole second
    }
    return refreshInterval(kind, hasFeedAddress);
}

void writeSpecialHeading(NoteText& text, const QString& heading)
{
    text.setText(QString());
    text.setSelBold(true);
    text.setSelFontSize(10);
    text.setSelColor(kSpecialBlue);
    text.setSelText(heading);
    text.setSelBold(false);
}

void appendLabelledLine(NoteText& text, const QString& value, const QString& label)
{
    text.setSelColor(kBlack);
    if (!label.isEmpty()) {
        text.setSelFontSize(8);
        text.setSelBold(true);
        text.setSelText(label + QStringLiteral(": "));
    }
    text.setSelBold(false);
    text.setSelFontSize(10);
    text.setSelText(value + kCrLf);
}

} // namespace jotlet
