// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing, merging and applying versions of a note's text. The longest common subsequences come from dtl; the
// three-way step on top of them is the classic diff3 walk over the stretches both sides left alone.
#include "note/textmerge.h"

#include "note/checklist.h"

#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <dtl/dtl.hpp>

#include <algorithm>
#include <functional>

namespace jotlet {

namespace {

constexpr QChar kPictureChar = QChar::ObjectReplacementCharacter;

// A picture's format without the name its document gave it: two pictures are the same when their bytes are.
QTextCharFormat comparableFormat(const TextRun& run)
{
    if (run.picture.isEmpty()) {
        return run.format;
    }
    QTextCharFormat format = run.format;
    format.clearProperty(QTextFormat::ImageName);
    return format;
}

// A run's format with the document's own face and size spelt out, so that runs from documents that leave them to
// the document (a note's text) and runs from documents that name them (a version read from RTF) compare alike.
QTextCharFormat explicitFont(QTextCharFormat format, const QFont& own)
{
    // What ticking a check item noted on its text is the document's own, never in a file.
    format.clearProperty(kTickStruckProperty);
    format.clearProperty(kTickColorProperty);
    if (!format.hasProperty(QTextFormat::FontFamilies) && !format.hasProperty(QTextFormat::FontFamily)) {
        format.setFontFamilies(QStringList {own.family()});
    }
    if (!format.hasProperty(QTextFormat::FontPointSize) && own.pointSizeF() > 0) {
        format.setFontPointSize(own.pointSizeF());
    }
    return format;
}

// The other way: the document's own face and size left to the document, as typed text has them.
QTextCharFormat implicitFont(QTextCharFormat format, const QFont& own)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && families.first() == own.family()) {
        format.clearProperty(QTextFormat::FontFamilies);
        format.clearProperty(QTextFormat::FontFamily);
    }
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() == own.pointSizeF()) {
        format.clearProperty(QTextFormat::FontPointSize);
    }
    return format;
}

QTextBlockFormat withoutList(QTextBlockFormat format)
{
    format.clearProperty(QTextFormat::ObjectIndex);
    return format;
}

// ---------------------------------------------------------------------------------------------------------------
// The three-way merge of two sequences against their base.

template <typename T>
using Sequence = std::vector<T>;

// What lines two elements of two versions up as the same one: equality, unless an element says otherwise (a word
// is the same word whatever its format; its format is merged on its own).
template <typename T>
struct Alignment : dtl::Compare<T>
{
    bool impl(const T& a, const T& b) const override { return a.sameAs(b); }
};

// For each element of base, the index of the element of other it was matched with (-1 for none), from the longest
// common subsequence. The common start and end are matched first, so that dtl sees only what changed.
template <typename T>
std::vector<int> matchesOf(const Sequence<T>& base, const Sequence<T>& other)
{
    std::vector<int> match(base.size(), -1);
    size_t head = 0;
    while (head < base.size() && head < other.size() && base[head].sameAs(other[head])) {
        match[head] = int(head);
        ++head;
    }
    size_t tail = 0;
    while (tail < base.size() - head && tail < other.size() - head
           && base[base.size() - 1 - tail].sameAs(other[other.size() - 1 - tail])) {
        match[base.size() - 1 - tail] = int(other.size() - 1 - tail);
        ++tail;
    }
    const Sequence<T> a(base.begin() + head, base.end() - tail);
    const Sequence<T> b(other.begin() + head, other.end() - tail);
    if (a.empty() || b.empty()) {
        return match;
    }
    dtl::Diff<T, Sequence<T>, Alignment<T>> diff(a, b);
    diff.compose();
    for (const auto& [element, info] : diff.getSes().getSequence()) {
        if (info.type == dtl::SES_COMMON) {
            match[head + size_t(info.beforeIdx - 1)] = int(head + size_t(info.afterIdx - 1));
        }
    }
    return match;
}

template <typename T>
Sequence<T> slice(const Sequence<T>& from, size_t begin, size_t end)
{
    return Sequence<T>(from.begin() + begin, from.begin() + end);
}

// One stretch where at least one side changed the base: what each of the three holds there.
template <typename T>
struct Chunk
{
    Sequence<T> base;
    Sequence<T> ours;
    Sequence<T> theirs;
};

// Settles a chunk both sides changed differently (false: a conflict).
template <typename T>
using ChunkResolver = std::function<bool(const Chunk<T>&, Sequence<T>*)>;
// One element all three hold (lined up as the same): what the merge keeps of it.
template <typename T>
using Combiner = std::function<T(const T& base, const T& ours, const T& theirs)>;

template <typename T>
bool resolveChunk(const Chunk<T>& chunk, const ChunkResolver<T>& deeper, Sequence<T>* out)
{
    const Sequence<T>* take = nullptr;
    if (chunk.ours == chunk.base || chunk.ours == chunk.theirs) {
        take = &chunk.theirs;
    } else if (chunk.theirs == chunk.base) {
        take = &chunk.ours;
    }
    if (take) {
        out->insert(out->end(), take->begin(), take->end());
        return true;
    }
    return deeper(chunk, out);
}

// One side's change: base[from, to) replaced by with (from == to: put in before base[from]).
template <typename T>
struct Edit
{
    size_t from;
    size_t to;
    Sequence<T> with;
    bool inserts() const { return from == to; }
};

template <typename T>
std::vector<Edit<T>> editsOf(const Sequence<T>& base, const Sequence<T>& other, const std::vector<int>& match)
{
    std::vector<Edit<T>> edits;
    size_t b = 0;
    size_t o = 0;
    while (b < base.size() || o < other.size()) {
        if (b < base.size() && match[b] == int(o)) {
            ++b;
            ++o;
            continue;
        }
        size_t next = b;
        while (next < base.size() && match[next] < 0) {
            ++next;
        }
        const size_t otherEnd = next < base.size() ? size_t(match[next]) : other.size();
        edits.push_back({b, next, slice(other, o, otherEnd)});
        b = next;
        o = otherEnd;
    }
    return edits;
}

// base[from, to) with the edits that fall in it made.
template <typename T>
Sequence<T> applyEdits(const Sequence<T>& base, size_t from, size_t to, const std::vector<const Edit<T>*>& edits)
{
    Sequence<T> out;
    size_t at = from;
    for (const Edit<T>* edit : edits) {
        out.insert(out.end(), base.begin() + at, base.begin() + edit->from);
        out.insert(out.end(), edit->with.begin(), edit->with.end());
        at = edit->to;
    }
    out.insert(out.end(), base.begin() + at, base.begin() + to);
    return out;
}

// Whether an edit touches a stretch of changes: it starts inside it, or both put something in at one place. An
// edit that starts where a changed stretch ends, or something put in just before a stretch, stands on its own.
template <typename T>
bool touches(const Edit<T>& edit, size_t from, size_t to)
{
    return from == to ? edit.from == from && edit.inserts() : edit.from < to;
}

// Three-way merge: the changes each side made to the base, made together. Changes that touch settle as one chunk.
template <typename T>
bool merge3(const Sequence<T>& base,
            const Sequence<T>& ours,
            const Sequence<T>& theirs,
            const ChunkResolver<T>& deeper,
            const Combiner<T>& combine,
            Sequence<T>* out)
{
    const std::vector<int> oursOf = matchesOf(base, ours);
    const std::vector<int> theirsOf = matchesOf(base, theirs);
    const std::vector<Edit<T>> sides[2] = {editsOf(base, ours, oursOf), editsOf(base, theirs, theirsOf)};
    size_t next[2] = {0, 0};
    size_t copied = 0;
    // What neither side changed, element by element, with what either side did to it.
    const auto copy = [&](size_t from, size_t to) {
        for (size_t b = from; b < to; ++b) {
            out->push_back(combine(base[b], ours[size_t(oursOf[b])], theirs[size_t(theirsOf[b])]));
        }
    };
    // The next edit to take: the one that starts first, something put in before a change at the same place.
    const auto earlier = [&]() -> int {
        if (next[0] == sides[0].size() || next[1] == sides[1].size()) {
            return next[0] < sides[0].size() ? 0 : 1;
        }
        const Edit<T>& a = sides[0][next[0]];
        const Edit<T>& b = sides[1][next[1]];
        return a.from < b.from || (a.from == b.from && a.inserts()) ? 0 : 1;
    };
    while (next[0] < sides[0].size() || next[1] < sides[1].size()) {
        const int first = earlier();
        const Edit<T>& start = sides[first][next[first]++];
        size_t from = start.from;
        size_t to = start.to;
        std::vector<const Edit<T>*> group[2];
        group[first].push_back(&start);
        for (bool grew = true; grew;) {
            grew = false;
            for (int side = 0; side < 2; ++side) {
                if (next[side] < sides[side].size() && touches(sides[side][next[side]], from, to)) {
                    const Edit<T>& edit = sides[side][next[side]++];
                    to = std::max(to, edit.to);
                    group[side].push_back(&edit);
                    grew = true;
                }
            }
        }
        copy(copied, from);
        const Chunk<T> chunk {
            slice(base, from, to), applyEdits(base, from, to, group[0]), applyEdits(base, from, to, group[1])};
        if (!resolveChunk(chunk, deeper, out)) {
            return false;
        }
        copied = to;
    }
    copy(copied, base.size());
    return true;
}

// Both sides put something in at the same place and removed nothing: both are kept, in an order taken from the
// texts themselves, so that the two computers merging the same versions write the same result.
template <typename T>
bool keepBothInsertions(const Chunk<T>& chunk,
                        const std::function<QString(const Sequence<T>&)>& orderKey,
                        Sequence<T>* out)
{
    if (!chunk.base.empty()) {
        return false;
    }
    const bool oursFirst = orderKey(chunk.ours) <= orderKey(chunk.theirs);
    const Sequence<T>& first = oursFirst ? chunk.ours : chunk.theirs;
    const Sequence<T>& second = oursFirst ? chunk.theirs : chunk.ours;
    out->insert(out->end(), first.begin(), first.end());
    out->insert(out->end(), second.begin(), second.end());
    return true;
}

// ---------------------------------------------------------------------------------------------------------------
// Words: where both sides changed the same paragraphs, they are merged word by word. A token is a word, a run of
// blanks, any other character or a picture, each character with its format (an index into the chunk's formats); a
// paragraph mark is a token of its own, carrying the paragraph's format and list.

struct Token
{
    QString text;          // empty for a paragraph mark
    std::vector<int> look; // per character: its format; for a paragraph mark, the paragraph's
    QByteArray picture;    // a picture is the same picture by its bytes, whatever its size on the page
    bool operator==(const Token& other) const { return text == other.text && look == other.look; }
    bool sameAs(const Token& other) const { return text == other.text && picture == other.picture; }
};

// A format as bytes that are the same on every computer for the same format, to order two formats by.
QByteArray formatKey(const QTextFormat& format)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << format.properties();
    return bytes;
}

class TokenTable
{
public:
    Sequence<Token> tokens(const TextModel& paragraphs)
    {
        Sequence<Token> out;
        for (const TextParagraph& paragraph : paragraphs) {
            out.push_back({QString(), {lookOf(paragraph)}});
            appendWords(paragraph, &out);
        }
        return out;
    }

    // The paragraphs the tokens make; nothing when they do not start with a paragraph mark.
    std::optional<TextModel> paragraphs(const Sequence<Token>& tokens) const
    {
        TextModel out;
        for (const Token& token : tokens) {
            if (token.text.isEmpty()) {
                TextParagraph paragraph = m_paragraphs.at(size_t(token.look.front()));
                paragraph.runs.clear();
                out.push_back(paragraph);
                continue;
            }
            if (out.empty()) {
                return std::nullopt;
            }
            for (int i = 0; i < token.text.size(); ++i) {
                appendCharacter(token.text.at(i), m_runs.at(size_t(token.look.at(size_t(i)))), &out.back());
            }
        }
        return out;
    }

    // A word all three hold: each character's format (a paragraph mark's look) from the side that changed it;
    // where both changed it differently, the same one on every computer.
    Token combine(const Token& base, const Token& ours, const Token& theirs) const
    {
        Token out = ours;
        for (size_t i = 0; i < out.look.size(); ++i) {
            out.look[i] = pick(base.look[i], ours.look[i], theirs.look[i], out.text.isEmpty());
        }
        return out;
    }

private:
    int pick(int base, int ours, int theirs, bool paragraph) const
    {
        if (ours == base || ours == theirs) {
            return theirs;
        }
        if (theirs == base) {
            return ours;
        }
        return m_keys[paragraph ? 1 : 0].at(size_t(ours)) >= m_keys[paragraph ? 1 : 0].at(size_t(theirs)) ? ours
                                                                                                          : theirs;
    }

    int lookOf(const TextParagraph& paragraph)
    {
        for (size_t i = 0; i < m_paragraphs.size(); ++i) {
            if (m_paragraphs[i].sameLook(paragraph)) {
                return int(i);
            }
        }
        m_paragraphs.push_back(paragraph);
        m_keys[1].push_back(formatKey(paragraph.block) + formatKey(paragraph.blockChar)
                            + (paragraph.list ? formatKey(*paragraph.list) : QByteArray())
                            + (paragraph.continuesList ? "+" : "-"));
        return int(m_paragraphs.size() - 1);
    }

    int lookOf(const TextRun& run)
    {
        TextRun look = run;
        look.text.clear();
        for (size_t i = 0; i < m_runs.size(); ++i) {
            if (m_runs[i] == look) {
                return int(i);
            }
        }
        m_runs.push_back(look);
        m_keys[0].push_back(look.picture + formatKey(comparableFormat(look)));
        return int(m_runs.size() - 1);
    }

    static int kindOf(QChar c)
    {
        if (c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_')) {
            return 0;
        }
        return c.isSpace() && c != QChar::LineSeparator ? 1 : 2;
    }

    void appendWords(const TextParagraph& paragraph, Sequence<Token>* out)
    {
        int lastKind = -1;
        for (const TextRun& run : paragraph.runs) {
            const int look = lookOf(run);
            for (const QChar c : run.text) {
                const int kind = run.picture.isEmpty() ? kindOf(c) : 3;
                if (kind != lastKind || kind >= 1 || out->back().text.isEmpty()) {
                    out->push_back({QString(), {}});
                }
                out->back().text += c;
                out->back().look.push_back(look);
                out->back().picture = run.picture;
                lastKind = kind;
            }
        }
    }

    static void appendCharacter(QChar c, const TextRun& look, TextParagraph* paragraph)
    {
        if (look.picture.isEmpty() && !paragraph->runs.isEmpty() && paragraph->runs.back().picture.isEmpty()
            && paragraph->runs.back().format == look.format) {
            paragraph->runs.back().text += c;
            return;
        }
        TextRun run = look;
        run.text = c;
        paragraph->runs.push_back(run);
    }

    std::vector<TextParagraph> m_paragraphs;
    std::vector<TextRun> m_runs;
    std::vector<QByteArray> m_keys[2]; // of the runs' looks and the paragraphs'
};

QString tokenText(const Sequence<Token>& tokens)
{
    QString text;
    for (const Token& token : tokens) {
        text += token.text.isEmpty() ? QStringLiteral("\n") : token.text;
    }
    return text;
}

QString paragraphsText(const TextModel& paragraphs)
{
    QString text;
    for (const TextParagraph& paragraph : paragraphs) {
        text += paragraph.plainText() + QLatin1Char('\n');
    }
    return text;
}

bool mergeWords(const Chunk<TextParagraph>& chunk, TextModel* out)
{
    TokenTable table;
    const Sequence<Token> base = table.tokens(chunk.base);
    const Sequence<Token> ours = table.tokens(chunk.ours);
    const Sequence<Token> theirs = table.tokens(chunk.theirs);
    const ChunkResolver<Token> keepBoth = [](const Chunk<Token>& words, Sequence<Token>* merged) {
        return keepBothInsertions<Token>(words, tokenText, merged);
    };
    const Combiner<Token> combine
        = [&table](const Token& b, const Token& o, const Token& t) { return table.combine(b, o, t); };
    Sequence<Token> merged;
    if (!merge3(base, ours, theirs, keepBoth, combine, &merged)) {
        return false;
    }
    const std::optional<TextModel> paragraphs = table.paragraphs(merged);
    if (!paragraphs) {
        return false;
    }
    out->insert(out->end(), paragraphs->begin(), paragraphs->end());
    return true;
}

// ---------------------------------------------------------------------------------------------------------------
// Applying a model to a document.

void insertRuns(QTextCursor& cursor, const TextParagraph& paragraph, RunFonts fonts)
{
    for (const TextRun& run : paragraph.runs) {
        if (!run.picture.isEmpty()) {
            const QString name = run.format.toImageFormat().name();
            addPictureResources(cursor.document(), name, run.resources);
            cursor.insertText(run.text, run.format);
        } else {
            cursor.insertText(run.text,
                              fonts == RunFonts::AsGiven ? run.format
                                                         : implicitFont(run.format, cursor.document()->defaultFont()));
        }
    }
}

// Replaces the whole paragraphs [first, first + count) of the document by the given ones.
void replaceParagraphs(QTextDocument* doc, int first, int count, const TextModel& with, RunFonts fonts)
{
    QTextCursor cursor(doc->findBlockByNumber(first));
    const QTextBlock last = doc->findBlockByNumber(first + count - 1);
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    for (size_t i = 0; i < with.size(); ++i) {
        if (i == 0) {
            cursor.setBlockFormat(with[i].block);
            cursor.setBlockCharFormat(with[i].blockChar);
        } else {
            cursor.insertBlock(with[i].block, with[i].blockChar);
        }
        insertRuns(cursor, with[i], fonts);
    }
}

// The characters of a paragraph with their runs, for the change within one paragraph.
struct Character
{
    QChar c;
    const TextRun* run;
    bool operator==(const Character& other) const
    {
        if (c != other.c) {
            return false;
        }
        TextRun a = *run;
        TextRun b = *other.run;
        a.text.clear();
        b.text.clear();
        return a == b;
    }
};

std::vector<Character> charactersOf(const TextParagraph& paragraph)
{
    std::vector<Character> out;
    for (const TextRun& run : paragraph.runs) {
        for (const QChar c : run.text) {
            out.push_back({c, &run});
        }
    }
    return out;
}

// Changes one paragraph into another, replacing only the stretch between what they have in common at either end.
void changeParagraph(QTextDocument* doc, int number, const TextParagraph& from, const TextParagraph& to, RunFonts fonts)
{
    const std::vector<Character> a = charactersOf(from);
    const std::vector<Character> b = charactersOf(to);
    size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) {
        ++head;
    }
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) {
        ++tail;
    }
    const QTextBlock block = doc->findBlockByNumber(number);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + int(head));
    cursor.setPosition(block.position() + int(a.size() - tail), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    TextParagraph middle;
    for (size_t i = head; i < b.size() - tail; ++i) {
        TextRun run = *b[i].run;
        run.text = b[i].c;
        if (!middle.runs.isEmpty() && run.picture.isEmpty() && middle.runs.back().picture.isEmpty()
            && middle.runs.back().format == run.format) {
            middle.runs.back().text += b[i].c;
        } else {
            middle.runs.push_back(run);
        }
    }
    insertRuns(cursor, middle, fonts);
}

// After the paragraphs are in place: each has the format, paragraph format and list of the model.
void settleParagraphFormats(QTextDocument* doc, const TextModel& target)
{
    QTextBlock block = doc->begin();
    QTextList* previous = nullptr;
    for (const TextParagraph& want : target) {
        if (!block.isValid()) {
            break;
        }
        QTextList* list = nullptr;
        if (want.list) {
            QTextList* current = block.textList();
            if (want.continuesList && previous && previous->format() == *want.list) {
                list = previous;
            } else if (current && current != previous && current->format() == *want.list) {
                list = current;
            } else {
                QTextCursor(block).createList(*want.list);
                list = block.textList();
            }
        }
        QTextBlockFormat format = want.block;
        format.setObjectIndex(list ? list->objectIndex() : -1);
        if (block.blockFormat() != format) {
            QTextCursor(block).setBlockFormat(format);
        }
        if (block.charFormat() != want.blockChar) {
            QTextCursor(block).setBlockCharFormat(want.blockChar);
        }
        previous = block.textList();
        block = block.next();
    }
}

// One stretch of paragraphs the document holds ([from, fromEnd)) that the model holds otherwise ([to, toEnd)).
struct Hunk
{
    int from;
    int fromEnd;
    int to;
    int toEnd;
};

std::vector<Hunk> hunksBetween(const TextModel& current, const TextModel& target)
{
    std::vector<Hunk> hunks;
    for (const Edit<TextParagraph>& edit : editsOf(current, target, matchesOf(current, target))) {
        // Where the edit's paragraphs start in the target: what came before, with the edits before it made.
        const int shift = hunks.empty() ? 0 : hunks.back().toEnd - hunks.back().fromEnd;
        const int to = int(edit.from) + shift;
        hunks.push_back({int(edit.from), int(edit.to), to, to + int(edit.with.size())});
    }
    return hunks;
}

// Puts paragraphs in before paragraph number `before` (or after the last one), leaving the text around alone.
void insertParagraphs(QTextDocument* doc, int before, const TextModel& paragraphs, RunFonts fonts)
{
    if (before < doc->blockCount()) {
        // At the start of the paragraph that follows: each new paragraph is written there and split off from it.
        const QTextBlock next = doc->findBlockByNumber(before);
        const QTextBlockFormat nextFormat = next.blockFormat();
        const QTextCharFormat nextCharFormat = next.charFormat();
        QTextCursor cursor(next);
        for (const TextParagraph& paragraph : paragraphs) {
            insertRuns(cursor, paragraph, fonts);
            cursor.insertBlock(nextFormat, nextCharFormat);
        }
        return;
    }
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    for (const TextParagraph& paragraph : paragraphs) {
        cursor.insertBlock(paragraph.block, paragraph.blockChar);
        insertRuns(cursor, paragraph, fonts);
    }
}

// Removes whole paragraphs; the text after them moves up (its format is settled afterwards).
void removeParagraphs(QTextDocument* doc, int first, int end)
{
    QTextCursor cursor(doc);
    if (end < doc->blockCount()) {
        cursor.setPosition(doc->findBlockByNumber(first).position());
        cursor.setPosition(doc->findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
    } else {
        const QTextBlock before = doc->findBlockByNumber(first - 1);
        cursor.setPosition(before.position() + before.length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

} // namespace

bool TextRun::operator==(const TextRun& other) const
{
    return text == other.text && picture == other.picture && comparableFormat(*this) == comparableFormat(other);
}

QString TextParagraph::plainText() const
{
    QString text;
    for (const TextRun& run : runs) {
        text += run.text;
    }
    return text;
}

bool TextParagraph::sameLook(const TextParagraph& other) const
{
    return continuesList == other.continuesList && block == other.block && blockChar == other.blockChar
           && list == other.list;
}

bool TextParagraph::operator==(const TextParagraph& other) const
{
    return sameLook(other) && runs == other.runs;
}

TextModel textModel(const QTextDocument& doc)
{
    TextModel model;
    const QTextList* previous = nullptr;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        TextParagraph paragraph;
        paragraph.block = withoutList(block.blockFormat());
        paragraph.blockChar = block.charFormat();
        const QTextList* list = block.textList();
        if (list) {
            paragraph.list = list->format();
            paragraph.continuesList = list == previous;
        }
        previous = list;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat()) {
                const QTextCharFormat look = explicitFont(format, doc.defaultFont());
                // Fragments that differ only in what the document keeps for itself are one run.
                if (!paragraph.runs.isEmpty() && paragraph.runs.back().picture.isEmpty()
                    && paragraph.runs.back().format == look) {
                    paragraph.runs.back().text += fragment.text();
                } else {
                    paragraph.runs.push_back({fragment.text(), look, {}, {}});
                }
                continue;
            }
            const QString name = format.toImageFormat().name();
            const PictureResources resources = pictureResources(doc, name);
            const QByteArray stored = storedPicture(doc, format.toImageFormat()).data;
            const QByteArray digest
                = QCryptographicHash::hash(stored.isEmpty() ? name.toUtf8() : stored, QCryptographicHash::Sha1);
            for (int i = 0; i < fragment.length(); ++i) {
                paragraph.runs.push_back({QString(kPictureChar), format, digest, resources});
            }
        }
        model.push_back(paragraph);
    }
    return model;
}

void applyTextModel(QTextDocument* doc, const TextModel& target, RunFonts fonts)
{
    if (target.empty()) {
        return;
    }
    const TextModel current = textModel(*doc);
    const std::vector<Hunk> hunks = hunksBetween(current, target);
    QTextCursor edit(doc);
    edit.beginEditBlock();
    // From the end, so that the paragraph numbers of the hunks before stay right.
    for (auto it = hunks.rbegin(); it != hunks.rend(); ++it) {
        const int fromCount = it->fromEnd - it->from;
        const int toCount = it->toEnd - it->to;
        const TextModel with(target.begin() + it->to, target.begin() + it->toEnd);
        if (fromCount == 0) {
            insertParagraphs(doc, it->from, with, fonts);
        } else if (toCount == 0) {
            removeParagraphs(doc, it->from, it->fromEnd);
        } else if (fromCount == toCount) {
            for (int i = fromCount - 1; i >= 0; --i) {
                changeParagraph(doc, it->from + i, current[size_t(it->from + i)], target[size_t(it->to + i)], fonts);
            }
        } else {
            replaceParagraphs(doc, it->from, fromCount, with, fonts);
        }
    }
    settleParagraphFormats(doc, target);
    edit.endEditBlock();
}

std::optional<TextModel> mergeTextModels(const TextModel& base, const TextModel& ours, const TextModel& theirs)
{
    const ChunkResolver<TextParagraph> resolver = [](const Chunk<TextParagraph>& chunk, TextModel* out) {
        return keepBothInsertions<TextParagraph>(chunk, paragraphsText, out) || mergeWords(chunk, out);
    };
    const Combiner<TextParagraph> same
        = [](const TextParagraph&, const TextParagraph& o, const TextParagraph&) { return o; };
    TextModel merged;
    if (!merge3(base, ours, theirs, resolver, same, &merged) || merged.empty()) {
        return std::nullopt;
    }
    return merged;
}

std::optional<QByteArray> mergeRtf(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs)
{
    QTextDocument baseDoc;
    QTextDocument oursDoc;
    QTextDocument theirsDoc;
    if (!readRtf(base, &baseDoc) || !readRtf(ours, &oursDoc) || !readRtf(theirs, &theirsDoc)) {
        return std::nullopt;
    }
    const std::optional<TextModel> merged
        = mergeTextModels(textModel(baseDoc), textModel(oursDoc), textModel(theirsDoc));
    if (!merged) {
        return std::nullopt;
    }
    applyTextModel(&oursDoc, *merged);
    return writeRtf(oursDoc);
}

} // namespace jotlet
