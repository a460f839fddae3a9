// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notelogic.h"

#include "support/files.h"

#include <QCoreApplication>
#include <QSize>

#include <algorithm>
#include <limits>

namespace jotlet {

QString noteTitle(const QString& tag, bool unsaved)
{
    // A note without a file is "Jotlet", not "Jotlet - " with nothing after the dash.
    QString title = tag.isEmpty() ? QStringLiteral("Jotlet") : QStringLiteral("Jotlet - ") + fileNamePart(tag);
    if (unsaved) {
        title += QStringLiteral(" *");
    }
    return title;
}

bool hasUnsavedMark(const QString& title)
{
    return title.endsWith(QLatin1Char('*'));
}

QString noteDisplayName(const QString& filePath, const QString& plainText)
{
    constexpr int kShown = 40;
    if (!filePath.isEmpty()) {
        return QStringLiteral("\u201C%1\u201D").arg(fileNamePart(filePath));
    }
    const QString firstLine = plainText.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (firstLine.isEmpty()) {
        return QCoreApplication::translate("Note", "An empty note");
    }
    const QString shown = firstLine.size() > kShown ? firstLine.left(kShown).trimmed() + QChar(0x2026) : firstLine;
    return QStringLiteral("\u201C%1\u201D").arg(shown);
}

qint32 countWords(const QString& plainText)
{
    qint32 words = 0;
    bool inWord = false;
    bool counted = false;
    for (const QChar c : plainText) {
        if (c.isSpace()) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            inWord = true;
            counted = false;
        }
        if (!counted && c.isLetterOrNumber()) {
            counted = true;
            ++words;
        }
    }
    return words;
}

int shownCharacterCount(int length, int specialType)
{
    constexpr int kClipboardViewer = 5;
    constexpr int kClipboardLog = 6;
    constexpr int kClipboardHeading = 19;
    return (specialType == kClipboardViewer || specialType == kClipboardLog) ? length - kClipboardHeading : length;
}

QString subCaptionText(int captionType, const QString& timeDate, qint32 words, int characters, const QString& tag)
{
    switch (captionType) {
    case WordCount:
        return QCoreApplication::translate("Note", "Word Count: %1").arg(words);
    case CharacterCount:
        return QCoreApplication::translate("Note", "Character Count: %1").arg(characters);
    case NoteFilename:
        return QCoreApplication::translate("Note", "File: ") + fileNamePart(tag);
    default:
        return timeDate;
    }
}

QString rollUpTooltip(const QString& text)
{
    return text.left(35).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

QPoint keepOnScreen(const QRect& window, const QList<QRect>& availableAreas)
{
    if (availableAreas.isEmpty()) {
        return window.topLeft();
    }
    const QRect* nearest = nullptr;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& area : availableAreas) {
        if (area.intersects(window)) {
            return window.topLeft();
        }
        const QPoint d = area.center() - window.center();
        const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    // Into the nearest area, as close to the stored place as it fits.
    const int x = qBound(nearest->left(), window.left(), qMax(nearest->left(), nearest->right() + 1 - window.width()));
    const int y = qBound(nearest->top(), window.top(), qMax(nearest->top(), nearest->bottom() + 1 - window.height()));
    return {x, y};
}

QSize limitedSize(const QSize& twips)
{
    return {qMax(twips.width(), kMinimumWidthTwips), qMax(twips.height(), kMinimumHeightTwips)};
}

qint32 sizeWithinDesktop(qint32 twips, qint32 minimumTwips, qint32 desktopTwips)
{
    return qBound(minimumTwips, twips, qMax(minimumTwips, desktopTwips));
}

QPoint cascadePlace(const QRect& wanted, const QList<QPoint>& taken, const QRect& area, int step)
{
    constexpr int kSamePlace = 45; // twips: three pixels
    const auto isTaken = [&taken](const QPoint& at) {
        return std::any_of(taken.cbegin(), taken.cend(), [&at](const QPoint& other) {
            return qAbs(other.x() - at.x()) <= kSamePlace && qAbs(other.y() - at.y()) <= kSamePlace;
        });
    };
    QPoint at = wanted.topLeft();
    int restarts = 0;
    for (int tries = 0; tries < 200 && isTaken(at); ++tries) {
        at += QPoint(step, step);
        const bool beyond = at.x() + wanted.width() > area.right() + 1 || at.y() + wanted.height() > area.bottom() + 1;
        if (beyond) {
            at = area.topLeft() + QPoint(++restarts * step, 0);
        }
    }
    return at;
}

QPoint placeBeside(const QRect& other, const QSize& size, const QRect& area, int gap)
{
    const QPoint candidates[] = {
        {other.right() + 1 + gap, other.top()},
        {other.left() - gap - size.width(), other.top()},
        {other.left(), other.bottom() + 1 + gap},
        {other.left(), other.top() - gap - size.height()},
    };
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint& candidate : candidates) {
        // Held in the area (where it can be), then judged by how much of the other window it covers.
        const QPoint held(qBound(area.left(), candidate.x(), qMax(area.left(), area.right() + 1 - size.width())),
                          qBound(area.top(), candidate.y(), qMax(area.top(), area.bottom() + 1 - size.height())));
        const QRect covered = QRect(held, size).intersected(other);
        const qint64 overlap = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || overlap < leastCovered) {
            best = held;
            leastCovered = overlap;
        }
        if (overlap == 0) {
            break;
        }
    }
    return best;
}

} // namespace jotlet
