// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/systeminfo.h"
#include "special/specialtext.h"

#include <QLocale>
#include <QTime>

namespace jotlet {

class NoteText;

// The time, memory and drive notes: what they write, given the figures (so that tests give any).

// A number of megabytes or gigabytes rounded to two decimals and shown in the shortest form: no thousands
// separator, no trailing zeros (1024, 511.5, 0.25), with the locale's decimal point.
QString shortNumberText(double value, const QLocale& locale = QLocale::system());
double bytesToMegabytes(quint64 bytes);
double bytesToGigabytes(quint64 bytes);
// Available / total x 100, rounded to a whole number (0 when there is no total).
int percentFree(quint64 available, quint64 total);

// The memory note's six lines (without the heading), CR LF between them.
QString memoryText(const MemoryStatus& memory, const QLocale& locale = QLocale::system());
// The drive note's text (without the heading): three lines per readable drive, its name line alone otherwise.
QString driveText(const QList<DriveStatus>& drives, const QLocale& locale = QLocale::system());

void writeTimeNote(NoteText& text, const QTime& time);
void writeMemoryNote(NoteText& text, const MemoryStatus& memory);
void writeDriveNote(NoteText& text, const QList<DriveStatus>& drives);

// The content writers of the time, memory and drive notes (nullptr for the other kinds).
std::unique_ptr<SpecialContent> makeSystemContent(SpecialKind kind);

} // namespace jotlet
