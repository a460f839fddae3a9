// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/codepages.h"

#include "support/codepage.h"

#include <QHash>
#include <QStringDecoder>

#include <memory>

namespace jotlet {

int codepageForCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return kSymbolCodepage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return -1;
    }
}

namespace {

const char* decoderName(int codepage)
{
    switch (codepage) {
    case 874:
        return "windows-874";
    case 932:
        return "windows-31j";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    default:
        return nullptr;
    }
}

// The Symbol font draws Greek letters and signs at Latin positions.
char16_t symbolCharacter(unsigned char byte)
{
    static const char16_t upper[26]
        = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
           0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static const char16_t lower[26]
        = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
           0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (byte >= 'A' && byte <= 'Z') {
        return upper[byte - 'A'];
    }
    if (byte >= 'a' && byte <= 'z') {
        return lower[byte - 'a'];
    }
    switch (byte) {
    case 0xB7:
        return 0x2022; // bullet
    case 0xA7:
        return 0x2663;
    case 0xA8:
        return 0x2666;
    case 0xA9:
        return 0x2665;
    case 0xAA:
        return 0x2660;
    case 0xB0:
        return 0x00B0;
    case 0xB1:
        return 0x00B1;
    case 0xB4:
        return 0x00D7;
    case 0xB8:
        return 0x00F7;
    case 0xAE:
        return 0x2192;
    case 0xAC:
        return 0x2190;
    default:
        return byte < 0x80 ? byte : char16_t(0xF000 + byte);
    }
}

} // namespace

QString decodeCodepage(const QByteArray& bytes, int codepage)
{
    CodepageDecoders decoders;
    return decoders.decode(bytes, codepage);
}

QString CodepageDecoders::decode(const QByteArray& bytes, int codepage)
{
    if (codepage == kSymbolCodepage) {
        QString text;
        text.reserve(bytes.size());
        for (const char c : bytes) {
            text += QChar(symbolCharacter(static_cast<unsigned char>(c)));
        }
        return text;
    }
    QByteArray name;
    if (codepage >= 1250 && codepage <= 1258 && codepage != 1252) {
        name = "windows-" + QByteArray::number(codepage);
    } else if (const char* known = decoderName(codepage)) {
        name = known;
    }
    if (name.isEmpty()) {
        return decodeWindows1252(bytes);
    }
    auto& decoder = m_decoders[codepage];
    if (!decoder) {
        decoder = std::make_shared<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
    }
    if (!decoder->isValid()) {
        return decodeWindows1252(bytes);
    }
    return decoder->decode(bytes);
}

bool isLeadByte(int codepage, unsigned char byte)
{
    switch (codepage) {
    case 932:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

} // namespace jotlet
