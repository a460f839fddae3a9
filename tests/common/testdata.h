#pragma once

// Files the tests keep in tests/data. A missing one means a broken checkout: the test fails and says which file.
#include <QFileInfo>
#include <QString>
#include <QTest>

inline QString testDataPath(const QString& relative)
{
    return QStringLiteral(JOTLET_TEST_DATA_DIR "/") + relative;
}

#define REQUIRE_TEST_DATA(path)                                                                                        \
    QVERIFY2(QFileInfo::exists(path),                                                                                  \
             qPrintable(QStringLiteral("the test data '%1' is missing from the checkout").arg(path)))
