// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// rtfconv: reads an RTF file and prints its plain text (--text, the default) or the RTF this
// program writes for it (--rtf). Handy for looking at what a note's text becomes.
#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString mode = QStringLiteral("--text");
    QString path;
    for (const QString& arg : args) {
        if (arg.startsWith(QLatin1String("--"))) {
            mode = arg;
        } else {
            path = arg;
        }
    }
    if (path.isEmpty() || (mode != QLatin1String("--text") && mode != QLatin1String("--rtf"))) {
        std::fprintf(stderr, "usage: rtfconv [--text|--rtf] FILE.rtf\n");
        return 2;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtfconv: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    QTextDocument doc;
    QString error;
    if (!jotlet::readRtf(file.readAll(), &doc, &error)) {
        std::fprintf(stderr, "rtfconv: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray out = mode == QLatin1String("--rtf") ? jotlet::writeRtf(doc)
                                                          : jotlet::documentPlainTextWithMarkers(doc).toUtf8() + '\n';
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return 0;
}
