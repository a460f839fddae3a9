// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace jotlet {

// The names under which settings, the data folder and the autostart entry are filed.
inline constexpr const char* kOrganizationName = "Quorvel";
inline constexpr const char* kApplicationName = "Jotlet";

// "major.minor.0.revision", the text a note file's NOTES version attribute carries.
QString programVersion();
QString versionText(int major, int minor, int revision);

// Sets the organisation, application name and version on the running QCoreApplication.
void applyApplicationIdentity();

// The folder for the main note file, the error log and the dictionaries: $JOTLET_HOME when set,
// otherwise the per-user application data location. Created on first use; the path is returned
// even when it cannot be created, so that the caller's write fails and reports it.
QString dataFolder();

// dataFolder() joined with a file name.
QString dataFilePath(const QString& fileName);

// The main note file, always spelled in lower case.
QString mainNoteFilePath();

// The recovery journal: the open notes as they are now, while any of them is not safely in a file.
QString recoveryJournalPath();

// The maker's web site and contact address.
inline constexpr const char* kMakerWebsite = "https://www.quorvel.example/jotlet";
inline constexpr const char* kMakerEmail = "jotlet@quorvel.example";

} // namespace jotlet
