// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace jotlet {

// An address found in a note's text: where it stands in its paragraph and what it opens.
struct TextLink
{
    int start = 0;
    int length = 0;
    QString url;
};

// The addresses in one paragraph's text: http, https and ftp addresses, mailto: addresses and
// "www." names (opened as http). Links of any length are found.
QList<TextLink> findLinks(const QString& text);

// The link covering position pos of the text, if any.
TextLink linkAt(const QString& text, int pos);

// Only these schemes are ever opened from a note; anything else is ignored.
bool isOpenableLink(const QString& url);

} // namespace jotlet
