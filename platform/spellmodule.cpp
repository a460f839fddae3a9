// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The module "jotlet-spell": spelling through Hunspell, loaded when a note's spelling is first checked.
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

} // namespace jotlet

extern "C" Q_DECL_EXPORT jotlet::SpellEngine* jotletOpenHunspell(const QString& dictionary)
{
    return new jotlet::HunspellEngine(dictionary);
}
