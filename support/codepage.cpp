// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/codepage.h"

#include <cstring>

#include <QStringDecoder>

namespace jotlet {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

int windows1252Byte(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return ch;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == ch) {
            return 0x80 + i;
        }
    }
    return -1;
}

bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Runs of ASCII, the bulk of note files, eight bytes at a time.
        while (end - p >= 8) {
            quint64 chunk;
            memcpy(&chunk, p, 8);
            if (chunk & 0x8080808080808080ULL) {
                break;
            }
            p += 8;
        }
        if (p == end) {
            break;
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        quint32 min = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2, min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3, min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4, min = 0x10000;
        } else {
            return false;
        }
        if (end - p < length) {
            return false;
        }
        quint32 code = c & (0x3F >> (length - 1));
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        p += length;
    }
    return true;
}

} // namespace jotlet
