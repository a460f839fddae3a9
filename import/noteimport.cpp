// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/noteimport.h"

#include "import/readers.h"
#include "note/notecolors.h"
#include "rtf/writer.h"
#include "support/appinfo.h"
#include "support/colors.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace jotlet {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kPreviewLength = 80;
constexpr int kDigestLength = 16;

QString home(const QString& relative)
{
    return QDir::homePath() + QLatin1Char('/') + relative;
}

QString configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace

QString importKindKey(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Xpad:
        return QStringLiteral("xpad");
    case ImportKind::KNotes:
        return QStringLiteral("knotes");
    case ImportKind::MintSticky:
        return QStringLiteral("mint");
    case ImportKind::GnomeSticky:
        return QStringLiteral("gnome");
    case ImportKind::MicrosoftSticky:
        return QStringLiteral("microsoft");
    case ImportKind::TextFolder:
        return QStringLiteral("folder");
    }
    return {};
}

std::optional<ImportKind> importKindForKey(const QString& key)
{
    for (ImportKind kind : kImportKinds) {
        if (importKindKey(kind).compare(key, Qt::CaseInsensitive) == 0) {
            return kind;
        }
    }
    return std::nullopt;
}

QString importProgramName(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Xpad:
        return QStringLiteral("Xpad");
    case ImportKind::KNotes:
        return QStringLiteral("KNotes");
    case ImportKind::MintSticky:
        return QCoreApplication::translate("ImportKind", "Sticky Notes (Linux Mint)");
    case ImportKind::GnomeSticky:
        return QCoreApplication::translate("ImportKind", "Sticky Notes (GNOME)");
    case ImportKind::MicrosoftSticky:
        return QCoreApplication::translate("ImportKind", "Microsoft Sticky Notes");
    case ImportKind::TextFolder:
        return QCoreApplication::translate("ImportKind", "Text and Markdown files");
    }
    return {};
}

QString defaultImportPath(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Xpad:
        return configHome() + QStringLiteral("/xpad");
    case ImportKind::KNotes:
        return dataHome() + QStringLiteral("/notes");
    case ImportKind::MintSticky:
        return configHome() + QStringLiteral("/sticky/notes.json");
    case ImportKind::GnomeSticky:
        return dataHome() + QStringLiteral("/com.vixalien.sticky");
    case ImportKind::MicrosoftSticky:
        return home(QStringLiteral("plum.sqlite")); // where a user who copied it from Windows is likely to put it
    case ImportKind::TextFolder:
        return {};
    }
    return {};
}

static void readFrom(ImportKind kind, ImportSource* source)
{
    switch (kind) {
    case ImportKind::Xpad:
        readXpad(source);
        break;
    case ImportKind::KNotes:
        readKNotes(source);
        break;
    case ImportKind::MintSticky:
        readMintSticky(source);
        break;
    case ImportKind::GnomeSticky:
        readGnomeSticky(source);
        break;
    case ImportKind::MicrosoftSticky:
        readMicrosoftSticky(source);
        break;
    case ImportKind::TextFolder:
        readTextFolder(source);
        break;
    }
}

ImportSource readImportSource(ImportKind kind, const QString& path)
{
    ImportSource source;
    source.kind = kind;
    source.path = path;
    if (!QFileInfo::exists(path)) {
        source.problems << QStringLiteral("'%1' is not there").arg(path);
        return source;
    }
    readFrom(kind, &source);
    // A note without a word (an empty pad) is nothing to bring in.
    source.notes.erase(std::remove_if(source.notes.begin(),
                                      source.notes.end(),
                                      [](const FoundNote& note) { return note.preview.isEmpty(); }),
                       source.notes.end());
    return source;
}

QList<ImportSource> findImportSources()
{
    QList<ImportSource> sources;
    for (ImportKind kind : kImportKinds) {
        const QString path = defaultImportPath(kind);
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            ImportSource source = readImportSource(kind, path);
            if (!source.notes.isEmpty() || !source.problems.isEmpty()) {
                sources << source;
            }
        }
    }
    return sources;
}

ImportMemory::ImportMemory(QString path)
    : m_path(std::move(path))
{
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.trimmed().isEmpty()) {
                m_keys.insert(QString::fromUtf8(line.trimmed()));
            }
        }
    }
}

QString ImportMemory::defaultPath()
{
    return dataFilePath(QStringLiteral("imported.txt"));
}

bool ImportMemory::remember(const QStringList& keys)
{
    QByteArray bytes;
    for (const QString& key : std::as_const(m_keys)) {
        bytes += key.toUtf8() + '\n';
    }
    for (const QString& key : keys) {
        if (!m_keys.contains(key)) {
            m_keys.insert(key);
            bytes += key.toUtf8() + '\n';
        }
    }
    Problem problem;
    return writeFileAtomically(m_path, bytes, &problem);
}

namespace importing {

QString nearestNoteColor(const QColor& color)
{
    // The nearest as the eye sees it: the least distance in CIE L*a*b*.
    const auto lab = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        const double r = linear(c.redF()), g = linear(c.greenF()), b = linear(c.blueF());
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
        const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
        const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
        const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
        return std::array<double, 3> {116 * y - 16, 500 * (x - y), 200 * (y - z)};
    };
    const std::array<double, 3> target = lab(color);
    QString best;
    double bestDistance = std::numeric_limits<double>::max();
    for (const NoteColor& candidate : kNoteColors) {
        const std::array<double, 3> c = lab(colorFromBgr(candidate.value));
        const double distance
            = std::pow(c[0] - target[0], 2) + std::pow(c[1] - target[1], 2) + std::pow(c[2] - target[2], 2);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = QString::fromLatin1(candidate.name);
        }
    }
    return best;
}

NoteRecord noteOf(const QTextDocument& doc, const QString& colorName)
{
    NoteRecord note;
    note.data = QString::fromLatin1(writeRtf(doc));
    note.color = colorName.isEmpty() ? QString::fromLatin1(kNoteColors[0].name) : colorName;
    note.alpha = 255;
    note.timeDate = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return note;
}

void setGeometry(NoteRecord* note, int x, int y, int width, int height)
{
    if (width > 0 && height > 0) {
        note->width = width * kTwipsPerPixel;
        note->height = height * kTwipsPerPixel;
        note->left = x * kTwipsPerPixel;
        note->top = y * kTwipsPerPixel;
    }
}

void setTime(NoteRecord* note, const QDateTime& when)
{
    if (when.isValid()) {
        note->timeDate = when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
}

QString keyOf(ImportKind kind, const QString& name, const QString& text)
{
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex();
    return importKindKey(kind) + QLatin1Char(':') + name + QLatin1Char(':')
           + QString::fromLatin1(digest.left(kDigestLength));
}

FoundNote found(ImportKind kind, const QString& name, NoteRecord record, const QTextDocument& doc)
{
    const QString text = doc.toPlainText();
    return {std::move(record), keyOf(kind, name, text), text.simplified().left(kPreviewLength)};
}

QString withoutFrontMatter(const QString& markdown, QString* color)
{
    static const QRegularExpression block(QStringLiteral("\\A---\\r?\\n(.*?)\\r?\\n---\\r?\\n"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = block.match(markdown);
    if (!match.hasMatch()) {
        return markdown;
    }
    static const QRegularExpression colorLine(QStringLiteral("^colou?r:\\s*\"?(#[0-9a-fA-F]{6})\"?\\s*$"),
                                              QRegularExpression::MultilineOption);
    const QRegularExpressionMatch found = colorLine.match(match.captured(1));
    if (color && found.hasMatch()) {
        *color = found.captured(1);
    }
    return markdown.mid(match.capturedEnd());
}

} // namespace importing

} // namespace jotlet
