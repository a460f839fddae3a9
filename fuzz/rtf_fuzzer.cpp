// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes given as a note's RTF must load, save and load again without a
// crash, a hang or a sanitizer report.
#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    jotlet::readRtf(rtf, &doc);
    const QByteArray written = jotlet::writeRtf(doc);
    QTextDocument again;
    jotlet::readRtf(written, &again);
    if (again.blockCount() != doc.blockCount()) {
        std::abort(); // a load and save must keep every paragraph
    }
    return 0;
}
