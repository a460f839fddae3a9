// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace jotlet {

// The versions of the notes folder's files this computer has read or written, kept outside the folder (in the data
// folder), so that when a note changed both here and elsewhere, the version both started from can be found and the
// two changes merged against it. Each note keeps its last few versions and which one this computer last read or
// wrote (its base). A version is known by a digest of the file's bytes; a version that does not match its digest
// is ignored. Nothing here is precious: without it, changes on both sides are kept as a conflict instead of merged,
// so writes are not flushed to the disk one by one. Safe to use from a worker thread for different notes.
class VersionStore
{
public:
    static constexpr int kVersionsPerNote = 12;

    explicit VersionStore(QString folder);
    static QString defaultFolder();
    // The name of a version: a digest of the file's bytes.
    static QByteArray versionOf(const QByteArray& fileBytes);

    // Where a version came from: this computer wrote it, or it was read from the folder. Each kind keeps its
    // last kVersionsPerNote, so that a long stretch of writes here never pushes out the versions both computers
    // have, from which their changes are merged.
    enum class Source { Written, Read };
    void keep(const QString& id, const QByteArray& fileBytes, Source source = Source::Read) const;
    // The file's bytes of a version; empty when it is not kept.
    QByteArray bytes(const QString& id, const QByteArray& version) const;
    QByteArray base(const QString& id) const;
    void setBase(const QString& id, const QByteArray& version) const;

private:
    QString noteFolder(const QString& id) const;
    void prune(const QString& folder) const;

    QString m_folder;
};

} // namespace jotlet
