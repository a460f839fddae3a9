// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/problem.h"

#include <QList>
#include <QPair>
#include <QString>

namespace jotlet {

// A failure of the settings store, for the caller to log under its own location.
struct SettingsError
{
    long number = 0;
    QString source;
    QString description; // as the log has it
    Problem problem;     // the same, for the user
    bool isSet() const { return number != 0; }
};

inline constexpr long kSettingsErrorNumber = 26001;

// The program's own settings section: named text values in QSettings under "Quorvel"/"Jotlet" (a file in the
// user's configuration folder on Linux, the registry key HKEY_CURRENT_USER\SOFTWARE\Quorvel\Jotlet on Windows).
//
// Three rules hold: while the section does not exist, a read gives the caller's default; once it exists, a value
// missing from it reads as an empty text; values are text. A stored text holding "%" and another "%" at least two
// characters further on is an expandable string: its %NAME% references read back as environment variables.
class SettingsStore
{
public:
    static bool sectionExists();
    static QString read(const QString& name, const QString& defaultValue);
    // Stores the text, creating the section when needed; an empty text is stored, not removed. On failure the
    // stored value stays as it was.
    static bool write(const QString& name, const QString& value, SettingsError* error = nullptr);
    // Several values in one write of the store.
    static bool write(const QList<QPair<QString, QString>>& values, SettingsError* error = nullptr);
    static bool remove(const QString& name);
    // Where the section lives, for messages and tests.
    static QString location();
};

// Whether a stored text is an expandable string.
bool isExpandableText(const QString& text);

// Replaces each %NAME% by the environment variable NAME; references to variables that are not set, "%%" and a
// lone "%" stay as they are.
QString expandEnvironmentReferences(const QString& text);

} // namespace jotlet
