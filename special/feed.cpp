// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/feed.h"

#include "note/notetext.h"
#include "notes/notefile.h"
#include "special/specialtext.h"
#include "support/problem.h"

#include <QXmlStreamReader>

#include <QCoreApplication>
#include <memory>
#include <vector>

namespace jotlet {

namespace {

// The elements down to an item's fields (rss / channel / item / title), each with all the text inside it; deeper
// elements only add their text to the field they are in.
constexpr int kTreeDepth = 4;

struct Node
{
    QString name;
    QString text;
    QString href; // Atom links
    QString rel;
    std::vector<std::unique_ptr<Node>> children;

    const Node* child(QLatin1String wanted) const
    {
        for (const auto& node : children) {
            if (node->name == wanted) {
                return node.get();
            }
        }
        return nullptr;
    }
    std::vector<const Node*> all(QLatin1String wanted) const
    {
        std::vector<const Node*> found;
        for (const auto& node : children) {
            if (node->name == wanted) {
                found.push_back(node.get());
            }
        }
        return found;
    }
};

std::unique_ptr<Node> readTree(const QString& text, QString* error)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    std::unique_ptr<Node> root;
    std::vector<Node*> open; // the open elements that are in the tree
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth <= kTreeDepth) {
                auto node = std::make_unique<Node>();
                node->name = reader.qualifiedName().toString();
                node->href = reader.attributes().value(QLatin1String("href")).toString();
                node->rel = reader.attributes().value(QLatin1String("rel")).toString();
                Node* added = node.get();
                if (open.empty()) {
                    root = std::move(node);
                } else {
                    open.back()->children.push_back(std::move(node));
                }
                open.push_back(added);
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth-- <= kTreeDepth) {
                const Node* closed = open.back();
                open.pop_back();
                if (open.size() >= 2) { // below the root, a text holds the text of everything inside it
                    open.back()->text += closed->text;
                }
            }
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty() && open.size() >= 2) {
                open.back()->text += reader.text();
            }
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "Not a well-formed feed: %1 (line %2, column %3)"),
                         {reader.errorString(), reader.lineNumber(), reader.columnNumber()})
                     .english(); // for the log
        return nullptr;
    }
    if (!root) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "The reply holds no XML element")).english();
    }
    return root;
}

void setIfPresent(const Node& parent, const char* name, QString* field)
{
    if (const Node* node = parent.child(QLatin1String(name))) {
        *field = node->text;
    }
}

// Adds items until one lacks what every item must have; whether items carry a description is decided by the first.
void readItems(const std::vector<const Node*>& items,
               const char* descriptionName,
               const std::function<const Node*(const Node&)>& linkOf,
               const std::function<QString(const Node&)>& linkText,
               Feed* feed)
{
    if (items.empty()) {
        return;
    }
    const bool described = items.front()->child(QLatin1String(descriptionName)) != nullptr;
    for (const Node* item : items) {
        const Node* link = linkOf(*item);
        const Node* description = described ? item->child(QLatin1String(descriptionName)) : nullptr;
        const Node* title = item->child(QLatin1String("title"));
        if (!link || (described && !description) || !title) {
            return;
        }
        feed->items.append({title->text, description ? description->text : QString(), linkText(*link)});
    }
}

const Node* atomLink(const Node& parent)
{
    const Node* first = nullptr;
    for (const Node* link : parent.all(QLatin1String("link"))) {
        if (link->rel.isEmpty() || link->rel == QLatin1String("alternate")) {
            return link;
        }
        first = first ? first : link;
    }
    return first;
}

void readAtom(const Node& root, Feed* feed)
{
    setIfPresent(root, "title", &feed->title);
    setIfPresent(root, "tagline", &feed->description); // Atom 0.3
    setIfPresent(root, "subtitle", &feed->description);
    if (const Node* link = atomLink(root)) {
        feed->link = link->href;
    }
    readItems(
        root.all(QLatin1String("entry")), "summary", atomLink, [](const Node& link) { return link.href; }, feed);
}

} // namespace

bool parseFeed(const QByteArray& bytes, Feed* feed, QString* error)
{
    // Feeds declare their encoding as note files do, and come from the same kinds of programs.
    const std::unique_ptr<Node> root = readTree(decodeNoteFileBytes(bytes), error);
    if (!root) {
        return false;
    }
    if (root->name == QLatin1String("feed")) {
        readAtom(*root, feed);
        return true;
    }
    const Node* channel = root->child(QLatin1String("channel"));
    if (!channel) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "The feed has no channel element")).english();
        return false;
    }
    for (const auto& [name, field] : {std::pair {"title", &feed->title},
                                      std::pair {"link", &feed->link},
                                      std::pair {"copyright", &feed->copyright},
                                      std::pair {"pubdate", &feed->pubDate},
                                      std::pair {"lastbuilddate", &feed->lastBuildDate},
                                      std::pair {"description", &feed->description}}) {
        setIfPresent(*channel, name, field);
    }
    if (const Node* image = channel->child(QLatin1String("image"))) {
        setIfPresent(*image, "url", &feed->imageUrl);
    }
    std::vector<const Node*> items = channel->all(QLatin1String("item"));
    if (items.empty()) {
        items = root->all(QLatin1String("item")); // RSS 1.0: the items stand beside the channel
    }
    readItems(
        items,
        "description",
        [](const Node& item) { return item.child(QLatin1String("link")); },
        [](const Node& link) { return link.text; },
        feed);
    return true;
}

void writeFeedNote(NoteText& text, const Feed& feed, int maxItems)
{
    const NoteTextEdit edit(text);
    text.setText(QString());
    text.setSelFontSize(12);
    text.setSelText(feed.description.left(64) + kCrLf);
    const int count = std::min(maxItems, int(feed.items.size()));
    for (int i = 0; i < count; ++i) {
        const FeedItem& item = feed.items.at(i);
        text.setSelStart(int(text.document()->characterCount()));
        text.setSelBold(true);
        text.setSelItalic(false);
        text.setSelFontSize(9);
        text.setSelColor(kSpecialBlue);
        text.setSelText(item.headline + kCrLf);
        text.setSelBold(false);
        text.setSelItalic(true);
        text.setSelFontSize(7);
        text.setSelColor(0);
        text.setSelText(item.link + kCrLf + kCrLf);
    }
    text.setSelStart(0);
}

void writeFeedFailure(NoteText& text)
{
    text.setText(QString());
    text.setSelFontSize(8);
    text.setSelBold(false);
    text.setSelItalic(true);
    text.setSelText(
        QCoreApplication::translate("SpecialNote", "...no feed could be loaded. Re-attempting connection in 2min."));
}

} // namespace jotlet
