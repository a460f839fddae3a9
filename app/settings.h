#pragma once

#include "registry.h"

#include <QString>

namespace jotlet {

// The program's own settings section and the section holding the programs started at log-on.
QString jotletSection();
QString runSection();
inline constexpr const char* kRunValueName = "Jotlet";

// The stored value when the section exists, else defaultValue. A value missing from an
// existing section reads as an empty text, not as the default.
QString GetRegSetting(const QString& section, const QString& name, const QString& defaultValue);

// Stores value as text, creating the section when needed. An empty value is stored, not removed.
// Returns false and fills *error when the store cannot be written.
bool SaveRegSetting(const QString& section, const QString& name, const QString& value, RegistryError* error = nullptr);

// The running executable's absolute path, as the start-at-log-on entry records it.
QString startUpProgramPath();

// Registers the program to start at the next log-on; failures are logged as
// "modMain: RunAtStartUp".
bool RunAtStartUp();

// Removes that registration; every failure is swallowed.
void RemoveRunAtStartUp();

} // namespace jotlet
