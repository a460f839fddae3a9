// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/noteimport.h"

class QTextDocument;

namespace jotlet {

// Each reads the source at source->path into source->notes, and says in source->problems what it could not read
// (a damaged file is passed over; the rest is read).
void readXpad(ImportSource* source);
void readKNotes(ImportSource* source);
void readMintSticky(ImportSource* source);
void readGnomeSticky(ImportSource* source);
void readMicrosoftSticky(ImportSource* source);
void readTextFolder(ImportSource* source);

// Linux Mint's Sticky Notes mark-up: "#tag:bold:" opens and closes a format, "#check:0" and "#check:1" start a
// check item, "#bullet:" a bulleted paragraph, "##" is a "#".
void readMintMarkup(const QString& text, QTextDocument* doc);

} // namespace jotlet
