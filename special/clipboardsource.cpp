// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/clipboardsource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace jotlet {

SystemClipboard::SystemClipboard(QObject* parent)
    : ClipboardSource(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &ClipboardSource::changed);
}

ClipboardContent SystemClipboard::content() const
{
    ClipboardContent content;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText()) {
        return content;
    }
    content.hasText = true;
    // Password managers mark what they copy so that clipboard histories leave it out.
    content.secret = data->data(QStringLiteral("x-kde-passwordManagerHint")) == "secret";
    if (!content.secret) {
        content.text = data->text();
    }
    return content;
}

} // namespace jotlet
