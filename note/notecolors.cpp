// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notecolors.h"

#include "support/colors.h"
#include "support/settings.h"

namespace jotlet {

std::optional<quint32> noteColorValue(const QString& text)
{
    for (const NoteColor& color : kNoteColors) {
        if (text.compare(QLatin1String(color.name), Qt::CaseInsensitive) == 0) {
            return color.value;
        }
    }
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok) {
        const std::optional<qint32> rounded = settingToInt32(text); // "1.5e3", "2,085" read as settings do
        if (!rounded) {
            return std::nullopt;
        }
        return noteColorValue(QString::number(*rounded));
    }
    // A negative 32-bit value has the top bit set: a system colour.
    const qint64 value = number < 0 ? (number & 0xFFFFFFFFLL) : number;
    if (value <= 0xFFFFFF) {
        return quint32(value);
    }
    const bool system32 = value <= 0xFFFFFFFFLL && isSystemColor(value);
    if (const std::optional<QColor> system = system32 ? translateColor(value) : std::nullopt) {
        return bgrFromColor(*system);
    }
    return std::nullopt;
}

} // namespace jotlet
