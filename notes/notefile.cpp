// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/notefile.h"

#include "notes/datatexts.h"
#include "notes/quickxmlscan.h"
#include "support/codepage.h"
#include "support/settings.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace jotlet {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString element(const QString& name, const QString& value)
{
    return QLatin1Char('<') + name + QLatin1Char('>') + value + QStringLiteral("</") + name + QLatin1Char('>');
}

QString truthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// The elements a writer puts into a NOTE, in the order they are written, values escaped.
QList<std::pair<QString, QString>> noteElements(const NoteRecord& note)
{
    QList<std::pair<QString, QString>> elements = {
        {QStringLiteral("COLOR"), escapeXml(xmlSafeText(note.color))},
        {QStringLiteral("DATA"), escapeXml(xmlSafeText(note.data))},
        {QStringLiteral("TIMEDATE"), escapeXml(xmlSafeText(note.timeDate))},
        {QStringLiteral("HEIGHT"), QString::number(note.height)},
        {QStringLiteral("WIDTH"), QString::number(note.width)},
        {QStringLiteral("LEFT"), QString::number(note.left)},
        {QStringLiteral("TOP"), QString::number(note.top)},
    };
    if (!note.look.isEmpty()) {
        elements << std::pair {QStringLiteral("LOOK"), escapeXml(xmlSafeText(note.look))};
    }
    if (note.keepsSpecial && note.specialType != 0) {
        elements << std::pair {QStringLiteral("SPECIALTYPE"), QString::number(note.specialType)};
        for (const auto& [name, value] : {std::pair {QStringLiteral("REMINDER"), note.reminder},
                                          std::pair {QStringLiteral("REMINDERLAST"), note.reminderLast},
                                          std::pair {QStringLiteral("REMINDERAT"), note.reminderAt},
                                          std::pair {QStringLiteral("REMINDERZONE"), note.reminderZone},
                                          std::pair {QStringLiteral("REMINDERREPEAT"), note.reminderRepeat},
                                          std::pair {QStringLiteral("REMINDERSNOOZE"), note.reminderSnooze},
                                          std::pair {QStringLiteral("FEEDURL"), note.feedUrl},
                                          std::pair {QStringLiteral("STOCKSYMBOL"), note.stockSymbol}}) {
            if (!value.isEmpty()) {
                elements << std::pair {name, escapeXml(xmlSafeText(value))};
            }
        }
    }
    if (note.session.present) {
        elements << std::pair {QStringLiteral("FILE"), escapeXml(xmlSafeText(note.session.file))}
                 << std::pair {QStringLiteral("UNSAVED"), truthText(note.session.unsaved)}
                 << std::pair {QStringLiteral("ONTOP"), truthText(note.session.onTop)}
                 << std::pair {QStringLiteral("ALPHA"), QString::number(note.session.alpha)};
    }
    if (!note.identity.id.isEmpty()) {
        elements << std::pair {QStringLiteral("ID"), escapeXml(xmlSafeText(note.identity.id))}
                 << std::pair {QStringLiteral("MODIFIED"), escapeXml(xmlSafeText(note.identity.modified))}
                 << std::pair {QStringLiteral("DEVICE"), escapeXml(xmlSafeText(note.identity.device))};
        if (!note.identity.parents.isEmpty()) {
            elements << std::pair {QStringLiteral("PARENTS"),
                                   escapeXml(xmlSafeText(note.identity.parents.join(QLatin1Char(' '))))};
        }
    }
    if (note.trashed.present) {
        elements << std::pair {QStringLiteral("TRASHED"), escapeXml(xmlSafeText(note.trashed.when))}
                 << std::pair {QStringLiteral("FROM"), escapeXml(xmlSafeText(note.trashed.from))};
    }
    return elements;
}

// The session elements of a note read from the program's own session files; absent from other note files.
void readSession(const QDomElement& note, NoteRecord::Session* session)
{
    const QDomElement unsaved = note.firstChildElement(QStringLiteral("UNSAVED"));
    if (unsaved.isNull()) {
        return;
    }
    session->present = true;
    session->unsaved = unsaved.text() == QLatin1String("True");
    session->file = note.firstChildElement(QStringLiteral("FILE")).text();
    session->onTop = note.firstChildElement(QStringLiteral("ONTOP")).text() != QLatin1String("False");
    qint32 alpha = 255;
    if (noteNumber(note.firstChildElement(QStringLiteral("ALPHA")).text(), &alpha)) {
        session->alpha = qBound(0, alpha, 255);
    }
}

// The special kind and its parameter kept by the program's own session files.
void readSpecial(const QDomElement& note, NoteRecord* record)
{
    constexpr qint32 kLastSpecialType = 8;
    qint32 type = 0;
    if (!noteNumber(note.firstChildElement(QStringLiteral("SPECIALTYPE")).text(), &type) || type < 1
        || type > kLastSpecialType) {
        return;
    }
    record->specialType = type;
    record->keepsSpecial = true;
    record->feedUrl = note.firstChildElement(QStringLiteral("FEEDURL")).text();
    record->reminderLast = note.firstChildElement(QStringLiteral("REMINDERLAST")).text().trimmed();
    record->reminderAt = note.firstChildElement(QStringLiteral("REMINDERAT")).text().trimmed();
    record->reminderZone = note.firstChildElement(QStringLiteral("REMINDERZONE")).text().trimmed();
    record->reminderRepeat = note.firstChildElement(QStringLiteral("REMINDERREPEAT")).text().trimmed();
    record->reminderSnooze = note.firstChildElement(QStringLiteral("REMINDERSNOOZE")).text().trimmed();
    record->stockSymbol = note.firstChildElement(QStringLiteral("STOCKSYMBOL")).text();
}

QByteArray declaredEncoding(const QByteArray& bytes)
{
    static const QRegularExpression declaration(
        QStringLiteral(R"(^\s*<\?xml[^>]*?\sencoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(bytes.left(256)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

QString withoutDeclaredEncoding(const QString& text)
{
    static const QRegularExpression encoding(QStringLiteral(R"(^(\s*<\?xml[^>]*?)\s+encoding\s*=\s*["'][^"']*["'])"));
    QString result = text;
    return result.replace(encoding, QStringLiteral("\\1"));
}

bool readNumberField(const QDomElement& note, const QString& name, qint32* field, int index, NoteFileError* error)
{
    const QDomElement child = note.firstChildElement(name);
    if (child.isNull()) {
        return true; // a missing element leaves the field at zero
    }
    if (noteNumber(child.text(), field)) {
        return true;
    }
    *error = {kErrTypeMismatch,
              Problem(QT_TRANSLATE_NOOP("Problem", "Type mismatch: %1 of note %2 holds '%3', not a number"),
                      {name, index + 1, child.text().left(40)})};
    return false;
}

bool readNote(const QDomNode& node, const QString& path, int index, NoteRecord* note, NoteFileError* error)
{
    const QDomElement self = node.toElement(); // any other kind of node has no child elements
    const auto text = [&self](const char* name) { return self.firstChildElement(QLatin1String(name)).text(); };
    note->data = text("DATA");
    note->timeDate = text("TIMEDATE");
    note->color = text("COLOR");
    note->look = text("LOOK").trimmed();
    if (!readNumberField(self, QStringLiteral("HEIGHT"), &note->height, index, error)
        || !readNumberField(self, QStringLiteral("WIDTH"), &note->width, index, error)
        || !readNumberField(self, QStringLiteral("LEFT"), &note->left, index, error)
        || !readNumberField(self, QStringLiteral("TOP"), &note->top, index, error)) {
        return false;
    }
    note->fileName = path;
    note->reminder = text("REMINDER");
    readSpecial(self, note);
    readSession(self, &note->session);
    note->identity
        = {self.firstChildElement(QStringLiteral("ID")).text().trimmed(),
           self.firstChildElement(QStringLiteral("MODIFIED")).text().trimmed(),
           self.firstChildElement(QStringLiteral("DEVICE")).text(),
           self.firstChildElement(QStringLiteral("PARENTS")).text().split(QLatin1Char(' '), Qt::SkipEmptyParts)};
    const QDomElement trashed = self.firstChildElement(QStringLiteral("TRASHED"));
    if (!trashed.isNull()) {
        note->trashed = {true, trashed.text(), self.firstChildElement(QStringLiteral("FROM")).text()};
    }
    return true;
}

// Where the root's end tag starts, or for an empty root (<NOTES/>) where its "/>" starts.
struct RootEnd
{
    qint64 offset = -1;
    bool selfClosing = false;
    QString rootName;
};

bool findRootEnd(const QString& text, RootEnd* end, NoteFileError* error)
{
    QXmlStreamReader reader(text);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth == 1) {
            end->rootName = reader.qualifiedName().toString();
        } else if (token == QXmlStreamReader::EndElement && --depth == 0) {
            // The reader has just read the end tag's ">"; the tag starts at the last "</" before it.
            const qint64 after = reader.characterOffset();
            end->selfClosing = QStringView(text).mid(after - 2, 2) == QLatin1String("/>");
            end->offset = end->selfClosing ? after - 2 : text.lastIndexOf(QLatin1String("</"), after - 1);
        }
    }
    if (reader.hasError() || end->offset < 0) {
        const ProblemFact what = reader.hasError()
                                     ? ProblemFact(reader.errorString())
                                     : ProblemFact(Problem(QT_TRANSLATE_NOOP("Problem", "no root element")));
        *error = {kErrNotWellFormed,
                  Problem(QT_TRANSLATE_NOOP("Problem", "Not a note file: %1 (line %2, column %3)"),
                          {what, reader.lineNumber(), reader.columnNumber()})};
        return false;
    }
    return true;
}

bool insertAtRootEnd(const QString& fileText, const QString& added, QString* result, NoteFileError* error)
{
    RootEnd end;
    if (!findRootEnd(fileText, &end, error)) {
        return false;
    }
    QString text = fileText;
    if (end.selfClosing) {
        text.replace(end.offset, 2, QLatin1Char('>') + added + QStringLiteral("</") + end.rootName + QLatin1Char('>'));
    } else {
        text.insert(end.offset, added);
    }
    *result = withoutDeclaredEncoding(text);
    return true;
}

} // namespace

QString escapeXml(const QString& text)
{
    QString result = text;
    result.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    result.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    result.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    result.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    result.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return result;
}

QString xmlSafeText(const QString& text)
{
    const auto plain = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0xD800) || (u >= 0xE000 && u <= 0xFFFD) || u == u'\t' || u == u'\r' || u == u'\n';
    };
    if (std::all_of(text.begin(), text.end(), plain)) {
        return text; // the usual case: nothing to leave out
    }
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i);
        } else if (!c.isSurrogate() && isXmlCodePoint(c.unicode())) {
            result += c;
        }
    }
    return result;
}

QString decodeNoteFileBytes(const QByteArray& bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        if (*bom != QStringConverter::Utf8 || bytes.startsWith("\xEF\xBB\xBF")) {
            QStringDecoder decoder(*bom);
            return decoder(bytes);
        }
    }
    const QByteArray declared = declaredEncoding(bytes);
    if (!declared.isEmpty() && declared.compare("utf-8", Qt::CaseInsensitive) != 0) {
        QStringDecoder decoder(declared.constData());
        if (decoder.isValid()) {
            return decoder(bytes);
        }
    }
    if (isValidUtf8(bytes)) {
        return QString::fromUtf8(bytes);
    }
    return decodeWindows1252(bytes);
}

bool checkNoteNesting(const QByteArray& bytes, const QString& text, NoteFileError* error, bool* wellFormed)
{
    bool tooDeep = false;
    const QuickXmlScan scan = isValidUtf8(bytes) ? quickScanXml(bytes, kMaxNoteFileDepth) : QuickXmlScan {};
    if (wellFormed) {
        *wellFormed = scan.wellFormed;
    }
    if (scan.wellFormed) {
        return true;
    }
    if (scan.tooDeep) {
        tooDeep = true;
    } else {
        // The quick pass was unsure (another encoding, a document type ...): the stream reader decides.
        QXmlStreamReader reader(text);
        int depth = 0;
        while (!reader.atEnd() && !tooDeep) {
            const QXmlStreamReader::TokenType token = reader.readNext();
            depth += token == QXmlStreamReader::StartElement ? 1 : token == QXmlStreamReader::EndElement ? -1 : 0;
            tooDeep = depth > kMaxNoteFileDepth;
        }
    }
    if (tooDeep) {
        *error = {kErrNotWellFormed,
                  Problem(QT_TRANSLATE_NOOP("Problem", "Not a note file: elements are nested more than %1 deep"),
                          {kMaxNoteFileDepth})};
        return false;
    }
    return true; // anything else wrong with the document is the parser's to report
}

bool parseNoteDocument(const QString& text, QDomDocument* document, NoteFileError* error)
{
    QString message;
    int line = 0;
    int column = 0;
    if (!document->setContent(text, &message, &line, &column)) {
        *error = {
            kErrNotWellFormed,
            Problem(QT_TRANSLATE_NOOP("Problem", "Not a note file: %1 (line %2, column %3)"), {message, line, column})};
        return false;
    }
    return true;
}

bool processNoteDocument(const QDomDocument& document, const QString& path, NoteList* notes, NoteFileError* error)
{
    const QDomElement root = document.documentElement();
    if (root.isNull()) {
        *error
            = {kErrNotWellFormed, Problem(QT_TRANSLATE_NOOP("Problem", "Not a note file: there is no root element"))};
        return false;
    }
    const QDomNodeList children = root.childNodes();
    if (children.isEmpty()) {
        *error = {kErrSubscriptOutOfRange, Problem(QT_TRANSLATE_NOOP("Problem", "The file holds no notes"))};
        return false;
    }
    NoteList result;
    result.reserve(children.size());
    for (int i = 0; i < children.size(); ++i) {
        NoteRecord note;
        if (!readNote(children.at(i), path, i, &note, error)) {
            return false;
        }
        result.append(std::move(note));
    }
    *notes = std::move(result);
    return true;
}

bool readNoteFileContent(const QByteArray& bytes, const QString& path, NoteList* notes, NoteFileError* error)
{
    const QString text = decodeNoteFileBytes(bytes);
    bool wellFormed = false;
    if (!checkNoteNesting(bytes, text, error, &wellFormed)) {
        return false;
    }
    if (const std::optional<DataTexts> taken = wellFormed ? takeDataTexts(text) : std::nullopt) {
        QDomDocument document;
        if (document.setContent(taken->rest) && putDataTexts(&document, taken->texts)) {
            return processNoteDocument(document, path, notes, error);
        }
    }
    QDomDocument document;
    return parseNoteDocument(text, &document, error) && processNoteDocument(document, path, notes, error);
}

bool noteNumber(const QString& text, qint32* value)
{
    const std::optional<qint32> number = settingToInt32(text);
    if (!number) {
        return false;
    }
    *value = *number;
    return true;
}

QString noteFileHead(const QString& version, const QList<std::pair<QString, QString>>& attributes)
{
    QString head = QStringLiteral("<?xml version=\"1.0\" standalone=\"yes\"?>") + kCrLf
                   + QStringLiteral("<NOTES version=\"") + escapeXml(version) + QLatin1Char('"');
    for (const auto& [name, value] : attributes) {
        head += QLatin1Char(' ') + name + QStringLiteral("=\"") + escapeXml(value) + QLatin1Char('"');
    }
    return head + QLatin1Char('>') + kCrLf;
}

QString noteFileRootAttribute(const QByteArray& bytes, const QString& name)
{
    QXmlStreamReader reader(decodeNoteFileBytes(bytes.left(4096)));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            return reader.attributes().value(name).toString();
        }
    }
    return QString();
}

QString noteFileTail()
{
    return QStringLiteral("</NOTES>") + kCrLf;
}

QString oneNoteFileText(const NoteRecord& note, const QString& version)
{
    QString text = noteFileHead(version);
    text += QStringLiteral("<NOTE>") + kCrLf;
    for (const auto& [name, value] : noteElements(note)) {
        text += element(name, value) + kCrLf;
    }
    text += QStringLiteral("</NOTE>") + kCrLf + noteFileTail();
    return text;
}

QString noteFileText(const NoteList& notes, const QString& version)
{
    if (notes.isEmpty()) {
        return QString();
    }
    // The first note as a file of its own, then each further one as an append adds it.
    QString text = oneNoteFileText(notes.first(), version);
    const qsizetype rootEnd = text.lastIndexOf(QStringLiteral("</NOTES>"));
    QString added;
    for (qsizetype i = 1; i < notes.size(); ++i) {
        added += appendedNoteText(notes.at(i));
    }
    return text.insert(rootEnd, added);
}

QString appendedNoteText(const NoteRecord& note)
{
    // A line break, the NOTE with a line break on each side of every child, and a line break before the root's end.
    QString added = kCrLf + QStringLiteral("<NOTE>");
    for (const auto& [name, value] : noteElements(note)) {
        added += kCrLf + element(name, value) + kCrLf;
    }
    added += QStringLiteral("</NOTE>") + kCrLf;
    return added;
}

bool appendNoteToText(const QString& fileText, const NoteRecord& note, QString* result, NoteFileError* error)
{
    return insertAtRootEnd(fileText, appendedNoteText(note), result, error);
}

bool appendNoteToBytes(const QByteArray& bytes, const NoteRecord& note, QByteArray* result, NoteFileError* error)
{
    return appendNotesToBytes(bytes, {note}, result, error);
}

bool appendNotesToBytes(const QByteArray& bytes, const NoteList& notes, QByteArray* result, NoteFileError* error)
{
    QString appendedText;
    for (const NoteRecord& note : notes) {
        appendedText += appendedNoteText(note);
    }
    // The usual case, a UTF-8 file: one quick pass finds the root's end and the bytes before and after it stay.
    if (isValidUtf8(bytes)) {
        const QuickXmlScan scan = quickScanXml(bytes);
        if (scan.wellFormed) {
            const QByteArray added = appendedText.toUtf8();
            QByteArray out;
            out.reserve(bytes.size() + added.size() + scan.rootName.size() + 4);
            out.append(QByteArrayView(bytes).first(scan.rootEnd));
            if (scan.selfClosing) {
                out.append('>').append(added).append("</").append(scan.rootName).append('>');
                out.append(QByteArrayView(bytes).sliced(scan.rootEnd + 2));
            } else {
                out.append(added).append(QByteArrayView(bytes).sliced(scan.rootEnd));
            }
            *result = std::move(out);
            return true;
        }
    }
    QString appended;
    if (!insertAtRootEnd(decodeNoteFileBytes(bytes), appendedText, &appended, error)) {
        return false;
    }
    *result = appended.toUtf8();
    return true;
}

} // namespace jotlet
