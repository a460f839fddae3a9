// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/links.h"

#include <QRegularExpression>
#include <QUrl>

namespace jotlet {

QList<TextLink> findLinks(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("(?:\\b(?:https?|ftp)://|\\bmailto:|\\bwww\\.)[^\\s<>\"]+"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<TextLink> links;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QString url = match.captured();
        // Punctuation closing a sentence is not part of the address.
        while (!url.isEmpty() && QStringLiteral(".,;:!?)]}'").contains(url.back())) {
            url.chop(1);
        }
        if (url.size() <= 7) {
            continue;
        }
        const int length = static_cast<int>(url.size());
        if (url.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
            url.prepend(QLatin1String("http://"));
        }
        links.append(TextLink {static_cast<int>(match.capturedStart()), length, url});
    }
    return links;
}

TextLink linkAt(const QString& text, int pos)
{
    for (const TextLink& link : findLinks(text)) {
        if (pos >= link.start && pos < link.start + link.length) {
            return link;
        }
    }
    return {};
}

bool isOpenableLink(const QString& url)
{
    const QString scheme = QUrl(url).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp")
           || scheme == QLatin1String("mailto");
}

} // namespace jotlet
