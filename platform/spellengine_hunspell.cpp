// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling through Hunspell and the dictionaries the system has.
#include "platform/spellengine.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

namespace jotlet {

namespace {

class HunspellEngine : public SpellEngine
{
public:
    explicit HunspellEngine(const QString& dictionary)
        : m_name(QFileInfo(dictionary).fileName())
        , m_hunspell(QFile::encodeName(dictionary + QStringLiteral(".aff")).constData(),
                     QFile::encodeName(dictionary + QStringLiteral(".dic")).constData())
    {
        // The dictionary says how its words are written; UTF-8 when it names nothing Qt knows.
        const QByteArray encoding = QByteArray::fromStdString(m_hunspell.get_dict_encoding());
        m_encoder = QStringEncoder(encoding.constData());
        m_decoder = QStringDecoder(encoding.constData());
        if (!m_encoder.isValid() || !m_decoder.isValid()) {
            m_encoder = QStringEncoder(QStringEncoder::Utf8);
            m_decoder = QStringDecoder(QStringDecoder::Utf8);
        }
    }

    bool isCorrect(const QString& word) const override { return m_hunspell.spell(encoded(word)); }

    QStringList suggestions(const QString& word) const override
    {
        QStringList result;
        for (const std::string& each : m_hunspell.suggest(encoded(word))) {
            result << m_decoder.decode(QByteArray::fromStdString(each));
        }
        return result;
    }

    void accept(const QString& word) override { m_hunspell.add(encoded(word)); }

    QString dictionaryName() const override { return m_name; }

private:
    std::string encoded(const QString& word) const { return QByteArray(m_encoder.encode(word)).toStdString(); }

    QString m_name;
    mutable Hunspell m_hunspell; // its lookups are not const
    mutable QStringEncoder m_encoder;
    mutable QStringDecoder m_decoder;
};

} // namespace

std::unique_ptr<SpellEngine>
openSpellEngine(const QLocale& locale, const QStringList& folders, const QStringList& wordLists, Problem* error)
{
    const QString dictionary = findDictionary(locale, folders);
    if (dictionary.isEmpty()) {
        *error = Problem(
            QT_TRANSLATE_NOOP("Problem", "no spelling dictionary was found for %1 or for en_US (looked in %2)"),
            {locale.name(), folders.join(QStringLiteral(", "))});
        return nullptr;
    }
    auto engine = std::make_unique<HunspellEngine>(dictionary);
    if (engine->suggestions(QStringLiteral("teh")).isEmpty() && !engine->isCorrect(QStringLiteral("a"))) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "the dictionary '%1' could not be read"), {dictionary});
        return nullptr;
    }
    for (const QString& list : wordLists) {
        QFile file(list);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const QString word = QString::fromUtf8(line).trimmed();
                if (!word.isEmpty()) {
                    engine->accept(word);
                }
            }
        }
    }
    return engine;
}

} // namespace jotlet
