#include "commondialog.h"

#include "colors.h"
#include "currentprinter.h"
#include "dialogresponder.h"

#include <QRegularExpression>

namespace jotlet {

namespace {

// The file dialogs start with this many characters of room for the name, as stored callers expect.
constexpr qint16 kNameBufferSize = 256;
constexpr int kFontDialogPointSize = 12;

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

void clsCommonDialog::setFilter(const QString& filter)
{
    m_filter = filter;
    m_systemFilter.clear();
    for (const QString& piece : filterPieces(filter)) {
        m_systemFilter += piece + QChar(0);
    }
    m_systemFilter += QChar(0);
}

QStringList clsCommonDialog::qtNameFilters() const
{
    const QStringList pieces = filterPieces(m_filter);
    QStringList filters;
    for (int i = 0; i < pieces.size(); i += 2) {
        filters << qtNameFilter(pieces.at(i), i + 1 < pieces.size() ? pieces.at(i + 1) : QString());
    }
    return filters;
}

QString clsCommonDialog::FileName() const
{
    const int nul = m_fileName.indexOf(QChar(0));
    return nul < 0 ? m_fileName : m_fileName.left(nul);
}

long clsCommonDialog::ShowOpen()
{
    return showFileDialog(false);
}

long clsCommonDialog::ShowSave()
{
    return showFileDialog(true);
}

long clsCommonDialog::showFileDialog(bool save)
{
    // A name set before the call is not shown: the dialog starts with an empty name.
    m_maxFileSize = kNameBufferSize;
    m_fileName.clear();

    FileDialogRequest request;
    request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
    request.title = m_dialogTitle;
    request.initialFolder = m_initDir;
    request.nameFilters = qtNameFilters();
    request.selectedFilter = m_filterIndex > 0 ? m_filterIndex - 1 : 0;
    request.defaultSuffix = m_defaultExt;
    request.confirmOverwrite = save && (m_flags & OFN_OVERWRITEPROMPT);
    // Choosing a file that is not there has no use in an open dialog, whatever the flags say.
    request.mustExist = !save;
    request.multipleFiles = !save && (m_flags & OFN_ALLOWMULTISELECT);

    const std::optional<QString> chosen = dialogResponder().fileDialog(request);
    if (!chosen || chosen->isEmpty()) {
        return 0;
    }
    m_fileName = *chosen;
    return 1;
}

long clsCommonDialog::ShowColor(bool bFullOpen, long InitColor)
{
    QColor initial = Qt::black;
    if (InitColor != 0) {
        const std::optional<QColor> translated = translateColor(InitColor);
        initial = translated ? *translated : QColor(Qt::white); // an untranslatable start colour: all bits set
    }
    const std::optional<QColor> chosen = dialogResponder().colorDialog(initial, bFullOpen);
    if (!chosen || !chosen->isValid()) {
        return -1;
    }
    return long(bgrFromColor(*chosen));
}

void clsCommonDialog::ShowFont()
{
    const std::optional<QString> chosen = dialogResponder().fontDialog(m_fontName, kFontDialogPointSize);
    m_fontConfirmed = chosen.has_value();
    if (chosen && !chosen->isEmpty()) {
        m_fontName = *chosen;
    }
}

bool clsCommonDialog::ShowPrinter(long PrintFlags)
{
    Q_UNUSED(PrintFlags)
    m_printerConfirmed = dialogResponder().printerDialog(currentPrinter());
    return m_printerConfirmed;
}

void clsCommonDialog::PrintDoc()
{
    endCurrentPrintDocument(m_printerConfirmed);
}

} // namespace jotlet
