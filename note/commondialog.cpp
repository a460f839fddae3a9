// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/commondialog.h"

#include "note/dialogresponder.h"
#include "support/colors.h"

#include <QRegularExpression>

namespace jotlet {

namespace {

QStringList filterPieces(const QString& filter)
{
    QStringList pieces = filter.split(QLatin1Char('|'));
    if (!pieces.isEmpty() && pieces.last().isEmpty()) {
        pieces.removeLast();
    }
    return pieces;
}

// "Jotlet Note (*.not)" with "*.not" stays as it is; "Text files" with "*.txt;*.log" becomes
// "Text files (*.txt *.log)".
QString qtNameFilter(const QString& description, const QString& patterns)
{
    const QString qtPatterns = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
    if (qtPatterns.isEmpty()) {
        return description;
    }
    if (description.trimmed().endsWith(QStringLiteral("(%1)").arg(qtPatterns))) {
        return description.trimmed();
    }
    return QStringLiteral("%1 (%2)").arg(description.trimmed(), qtPatterns);
}

} // namespace

QStringList CommonDialog::qtNameFilters() const
{
    const QStringList pieces = filterPieces(m_filter);
    QStringList filters;
    for (int i = 0; i < pieces.size(); i += 2) {
        filters << qtNameFilter(pieces.at(i), i + 1 < pieces.size() ? pieces.at(i + 1) : QString());
    }
    return filters;
}

bool CommonDialog::showOpen()
{
    return showFileDialog(false);
}

bool CommonDialog::showSave()
{
    return showFileDialog(true);
}

bool CommonDialog::showFileDialog(bool save)
{
    m_fileName.clear();

    FileDialogRequest request;
    request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
    request.owner = m_owner;
    request.title = m_title;
    request.initialFolder = m_initialFolder;
    request.nameFilters = qtNameFilters();
    request.selectedFilter = m_filterIndex > 0 ? m_filterIndex - 1 : 0;
    request.defaultSuffix = m_defaultExtension;
    request.confirmOverwrite = save && (m_flags & OFN_OVERWRITEPROMPT);
    // Choosing a file that is not there has no use in an open dialog, whatever the flags say.
    request.mustExist = !save;
    request.multipleFiles = !save && (m_flags & OFN_ALLOWMULTISELECT);

    const std::optional<QString> chosen = dialogResponder().fileDialog(request);
    if (!chosen || chosen->isEmpty()) {
        return false;
    }
    m_fileName = *chosen;
    return true;
}

long CommonDialog::showColor(bool fullOpen, long initialColor)
{
    QColor initial = Qt::black;
    if (initialColor != 0) {
        const std::optional<QColor> translated = translateColor(initialColor);
        initial = translated ? *translated : QColor(Qt::white); // an untranslatable start colour: all bits set
    }
    const std::optional<QColor> chosen = dialogResponder().colorDialog(m_owner, initial, fullOpen);
    if (!chosen || !chosen->isValid()) {
        return -1;
    }
    return long(bgrFromColor(*chosen));
}

bool CommonDialog::showFont(int pointSize)
{
    const std::optional<FontChoice> chosen = dialogResponder().fontDialog(m_owner, m_fontName, pointSize);
    if (chosen && !chosen->family.isEmpty()) {
        m_fontName = chosen->family;
    }
    m_fontSize = chosen && chosen->pointSize > 0 ? chosen->pointSize : pointSize;
    return chosen.has_value();
}

} // namespace jotlet
