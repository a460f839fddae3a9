// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/versionstore.h"

#include "support/appinfo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace jotlet {

namespace {

const QString kBaseName = QStringLiteral("base");
const QString kSuffix = QStringLiteral(".not");
const QString kWrittenSuffix = QStringLiteral(".w.not");

bool writeQuickly(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

VersionStore::VersionStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString VersionStore::defaultFolder()
{
    return dataFilePath(QStringLiteral("notesfolder-versions"));
}

QByteArray VersionStore::versionOf(const QByteArray& fileBytes)
{
    return QCryptographicHash::hash(fileBytes, QCryptographicHash::Sha256).toHex().left(32);
}

QString VersionStore::noteFolder(const QString& id) const
{
    // Ids are UUIDs; a file put into the folder by hand gives its own name, which may hold anything.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]{0,99}$"));
    const QString name
        = plain.match(id).hasMatch()
              ? id
              : QString::fromLatin1(QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex());
    return m_folder + QLatin1Char('/') + name;
}

void VersionStore::keep(const QString& id, const QByteArray& fileBytes, Source source) const
{
    const QString folder = noteFolder(id);
    const QString name = folder + QLatin1Char('/') + QString::fromLatin1(versionOf(fileBytes));
    if (QFileInfo::exists(name + kSuffix) || QFileInfo::exists(name + kWrittenSuffix)) {
        return;
    }
    const QString path = name + (source == Source::Written ? kWrittenSuffix : kSuffix);
    QDir().mkpath(folder);
    if (writeQuickly(path, fileBytes)) {
        prune(folder);
    }
}

QByteArray VersionStore::bytes(const QString& id, const QByteArray& version) const
{
    if (version.isEmpty()) {
        return {};
    }
    const QString name = noteFolder(id) + QLatin1Char('/') + QString::fromLatin1(version);
    QByteArray bytes = readAll(name + kSuffix);
    if (bytes.isEmpty()) {
        bytes = readAll(name + kWrittenSuffix);
    }
    return versionOf(bytes) == version ? bytes : QByteArray();
}

QByteArray VersionStore::base(const QString& id) const
{
    return readAll(noteFolder(id) + QLatin1Char('/') + kBaseName).trimmed();
}

void VersionStore::setBase(const QString& id, const QByteArray& version) const
{
    const QString folder = noteFolder(id);
    QDir().mkpath(folder);
    writeQuickly(folder + QLatin1Char('/') + kBaseName, version);
}

void VersionStore::prune(const QString& folder) const
{
    const QString base = QString::fromLatin1(readAll(folder + QLatin1Char('/') + kBaseName).trimmed());
    QFileInfoList written;
    QFileInfoList read;
    for (const QFileInfo& version :
         QDir(folder).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Time)) { // newest first
        (version.fileName().endsWith(kWrittenSuffix) ? written : read) << version;
    }
    for (const QFileInfoList* kind : {&written, &read}) {
        for (qsizetype i = kVersionsPerNote; i < kind->size(); ++i) {
            if (!kind->at(i).fileName().startsWith(base + QLatin1Char('.'))) {
                QFile::remove(kind->at(i).filePath());
            }
        }
    }
}

} // namespace jotlet
