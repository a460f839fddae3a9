// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes given as a note file must be read, or refused with an error, without a crash, a hang
// or a sanitizer report; what is read must write and read back field for field, and an append must give a file
// that reads back with one note more.
#include "notes/notefile.h"
#include "support/appinfo.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

using namespace jotlet;

namespace {

bool sameFields(const NoteRecord& a, const NoteRecord& b)
{
    return a.color == b.color && a.data == b.data && a.timeDate == b.timeDate && a.height == b.height
           && a.width == b.width && a.left == b.left && a.top == b.top;
}

// Text as a writer leaves it: what XML cannot carry is left out and line ends read back as LF.
NoteRecord asWritten(NoteRecord note)
{
    for (QString* text : {&note.color, &note.data, &note.timeDate}) {
        *text = xmlSafeText(*text)
                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                    .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return note;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    NoteList notes;
    NoteFileError error;
    if (!readNoteFileContent(bytes, QStringLiteral("fuzz.not"), &notes, &error)) {
        if (error.number == 0 || error.description().isEmpty()) {
            std::abort(); // a refusal always says why
        }
        return 0;
    }
    for (const NoteRecord& note : notes) {
        NoteList again;
        const QByteArray written = oneNoteFileText(note, programVersion()).toUtf8();
        if (!readNoteFileContent(written, QStringLiteral("fuzz.not"), &again, &error) || again.size() != 1
            || !sameFields(asWritten(note), again.first())) {
            std::abort(); // a note the program read must survive a save
        }
    }
    QByteArray appended;
    if (appendNoteToBytes(bytes, notes.isEmpty() ? NoteRecord() : notes.first(), &appended, &error)) {
        NoteList after;
        if (!readNoteFileContent(appended, QStringLiteral("fuzz.not"), &after, &error)
            || after.size() != notes.size() + 1) {
            std::abort(); // an append keeps every note and adds one
        }
    }
    return 0;
}
