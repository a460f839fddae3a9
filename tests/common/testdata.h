// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files the tests keep in tests/data. A missing one means a broken checkout: the test fails and says which file.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString testDataPath(const QString& relative)
{
    return QStringLiteral(JOTLET_TEST_DATA_DIR "/") + relative;
}

#define REQUIRE_TEST_DATA(path)                                                                                        \
    QVERIFY2(QFileInfo::exists(path),                                                                                  \
             qPrintable(QStringLiteral("the test data '%1' is missing from the checkout").arg(path)))
