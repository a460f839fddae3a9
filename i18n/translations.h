// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

namespace jotlet {

// Puts the program's texts, and Qt's own (the buttons of its message boxes and dialogs), into the language of the
// locale: the program's from its resources, Qt's from the system's Qt translations. A language without a
// translation stays English. Returns the translation files loaded, for the log and the tests.
QStringList installTranslations(const QLocale& locale = QLocale());

// The languages the program itself has a translation for, as "de", "fr", ...
QStringList translatedLanguages();

} // namespace jotlet
