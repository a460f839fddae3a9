// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/systemtexts.h"

#include "note/notetext.h"
#include "support/clock.h"
#include "support/timetext.h"

#include <QCoreApplication>
#include <cmath>

namespace jotlet {

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr double kGigabyte = 1024.0 * 1024.0 * 1024.0;

class TimeContent : public SpecialContent
{
public:
    bool show(SpecialTarget& note, QString*) override
    {
        writeTimeNote(note.text(), Clock::now().time());
        return true;
    }
};

class MemoryContent : public SpecialContent
{
public:
    bool show(SpecialTarget& note, QString* error) override
    {
        const MemoryStatus memory = systemInfo().memory(); // read once: the lines agree with each other
        if (!memory.ok) {
            *error = memory.error;
            return false;
        }
        writeMemoryNote(note.text(), memory);
        return true;
    }
};

class DriveContent : public SpecialContent
{
public:
    bool show(SpecialTarget& note, QString*) override
    {
        writeDriveNote(note.text(), systemInfo().drives());
        return true;
    }
};

} // namespace

QString shortNumberText(double value, const QLocale& locale)
{
    QString text = QString::number(std::round(value * 100.0) / 100.0, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

double bytesToMegabytes(quint64 bytes)
{
    return double(bytes) / kMegabyte;
}

double bytesToGigabytes(quint64 bytes)
{
    return double(bytes) / kGigabyte;
}

int percentFree(quint64 available, quint64 total)
{
    return total == 0 ? 0 : int(std::lround(double(available) / double(total) * 100.0));
}

QString memoryText(const MemoryStatus& memory, const QLocale& locale)
{
    const quint64 total = memory.totalPhysical + memory.totalPageFile;
    const quint64 available = memory.availablePhysical + memory.availablePageFile;
    const auto megabytes
        = [&locale](quint64 bytes) { return shortNumberText(bytesToMegabytes(bytes), locale) + QLatin1Char('M'); };
    return QStringList {
        QCoreApplication::translate("SpecialNote", "Total Physical: ") + megabytes(memory.totalPhysical),
        QCoreApplication::translate("SpecialNote", "Available Physical: ") + megabytes(memory.availablePhysical),
        QCoreApplication::translate("SpecialNote", "Total Memory: ") + megabytes(total),
        QCoreApplication::translate("SpecialNote", "Available Memory: ") + megabytes(available),
        QString(),
        QCoreApplication::translate("SpecialNote", "Percent Free: %1%").arg(percentFree(available, total))}
        .join(kCrLf);
}

QString driveText(const QList<DriveStatus>& drives, const QLocale& locale)
{
    QString text;
    for (const DriveStatus& drive : drives) {
        text += drive.root + QStringLiteral("  ") + drive.label.trimmed() + QStringLiteral(" (")
                + QCoreApplication::translate("SpecialNote", drive.kind.toLatin1().constData()) + QStringLiteral(")  ");
        if (!drive.readable) {
            text += kCrLf; // no medium, or its space cannot be read: the name line alone
            continue;
        }
        text += kCrLf + QCoreApplication::translate("SpecialNote", "      Total Space: ")
                + shortNumberText(bytesToGigabytes(drive.totalBytes), locale) + QStringLiteral("GB  ") + kCrLf
                + QCoreApplication::translate("SpecialNote", "      Free Space: ")
                + shortNumberText(bytesToGigabytes(drive.freeBytes), locale) + QStringLiteral("GB") + kCrLf;
    }
    return text;
}

void writeTimeNote(NoteText& text, const QTime& time)
{
    writeSpecialHeading(text, QCoreApplication::translate("SpecialNote", "Time: "));
    text.setSelFontSize(20);
    text.setSelColor(0);
    text.setSelText(kCrLf + timeOfDayText(time));
}

void writeMemoryNote(NoteText& text, const MemoryStatus& memory)
{
    writeSpecialHeading(text, QCoreApplication::translate("SpecialNote", "Memory:"));
    text.setSelColor(0);
    text.setSelText(kCrLf + memoryText(memory));
}

void writeDriveNote(NoteText& text, const QList<DriveStatus>& drives)
{
    writeSpecialHeading(text, QCoreApplication::translate("SpecialNote", "Drive(s):"));
    text.setSelColor(0);
    text.setSelText(kCrLf + driveText(drives));
}

std::unique_ptr<SpecialContent> makeSystemContent(SpecialKind kind)
{
    switch (kind) {
    case SpecialKind::Time:
        return std::make_unique<TimeContent>();
    case SpecialKind::Memory:
        return std::make_unique<MemoryContent>();
    case SpecialKind::Drives:
        return std::make_unique<DriveContent>();
    default:
        return nullptr;
    }
}

} // namespace jotlet
