// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// RTF read and write throughput, side by side with Qt's own HTML reading and writing of the
// same document: a 1 MB note in the rich-edit style, and the whole shared RTF corpus.
#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace jotlet;

namespace {

// About 1 MB of RTF: paragraphs with runs in every format a note uses, and bullets.
QByteArray makeLargeNote()
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    QTextCursor c(&doc);
    const QString words = QStringLiteral("Buy milk, call Anna about the Münster trip — 10:30 “sharp”. ");
    for (int i = 0; writeRtf(doc).size() < 1024 * 1024; ++i) {
        for (int p = 0; p < 50; ++p, ++i) {
            QTextCharFormat f;
            f.setFontWeight(i % 3 == 0 ? QFont::Bold : QFont::Normal);
            f.setFontItalic(i % 5 == 0);
            f.setFontUnderline(i % 7 == 0);
            f.setFontPointSize(i % 4 == 0 ? 14 : 10);
            if (i % 6 == 0) {
                f.setForeground(QColor(200, 0, 0));
            }
            c.insertText(words, f);
            c.insertText(words, QTextCharFormat());
            if (i % 10 == 0) {
                QTextListFormat list;
                list.setStyle(QTextListFormat::ListDisc);
                c.insertBlock();
                c.createList(list);
                c.insertText(QStringLiteral("bullet item"));
            }
            c.insertBlock(QTextBlockFormat());
        }
    }
    return writeRtf(doc);
}

const QByteArray& largeNote()
{
    static const QByteArray rtf = makeLargeNote();
    return rtf;
}

QString htmlOf(const QByteArray& rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return doc.toHtml();
}

QList<QByteArray> corpusFiles()
{
    QList<QByteArray> files;
    const QDir dir(QStringLiteral(JOTLET_CORPUS_DIR "/rtf"));
    for (const QString& name : dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            files << file.readAll();
        }
    }
    return files;
}

const QList<QByteArray>& corpus()
{
    static const QList<QByteArray> files = corpusFiles();
    return files;
}

// The corpus files read into documents, for the writing benchmarks.
std::vector<std::unique_ptr<QTextDocument>> corpusDocuments()
{
    std::vector<std::unique_ptr<QTextDocument>> docs;
    for (const QByteArray& rtf : corpus()) {
        docs.push_back(std::make_unique<QTextDocument>());
        readRtf(rtf, docs.back().get());
    }
    return docs;
}

void BM_ReadRtf_1MB(benchmark::State& state)
{
    const QByteArray& rtf = largeNote();
    for (auto _ : state) {
        QTextDocument doc;
        readRtf(rtf, &doc);
        benchmark::DoNotOptimize(doc.blockCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_QtSetHtml_1MB(benchmark::State& state)
{
    const QString html = htmlOf(largeNote());
    for (auto _ : state) {
        QTextDocument doc;
        doc.setHtml(html);
        benchmark::DoNotOptimize(doc.blockCount());
    }
    state.SetBytesProcessed(state.iterations() * html.toUtf8().size());
}

void BM_WriteRtf_1MB(benchmark::State& state)
{
    QTextDocument doc;
    readRtf(largeNote(), &doc);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray out = writeRtf(doc);
        bytes += out.size();
    }
    state.SetBytesProcessed(bytes);
}

void BM_QtToHtml_1MB(benchmark::State& state)
{
    QTextDocument doc;
    readRtf(largeNote(), &doc);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString out = doc.toHtml();
        bytes += out.toUtf8().size();
    }
    state.SetBytesProcessed(bytes);
}

void BM_ReadRtf_Corpus(benchmark::State& state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QByteArray& rtf : corpus()) {
            QTextDocument doc;
            readRtf(rtf, &doc);
            bytes += rtf.size();
        }
    }
    state.SetBytesProcessed(bytes);
}

void BM_QtSetHtml_Corpus(benchmark::State& state)
{
    QList<QString> html;
    for (const QByteArray& rtf : corpus()) {
        html << htmlOf(rtf);
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QString& page : html) {
            QTextDocument doc;
            doc.setHtml(page);
            bytes += page.toUtf8().size();
        }
    }
    state.SetBytesProcessed(bytes);
}

void BM_WriteRtf_Corpus(benchmark::State& state)
{
    const auto docs = corpusDocuments();
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const auto& doc : docs) {
            bytes += writeRtf(*doc).size();
        }
    }
    state.SetBytesProcessed(bytes);
}

void BM_QtToHtml_Corpus(benchmark::State& state)
{
    const auto docs = corpusDocuments();
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const auto& doc : docs) {
            bytes += doc->toHtml().toUtf8().size();
        }
    }
    state.SetBytesProcessed(bytes);
}

} // namespace

BENCHMARK(BM_ReadRtf_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtSetHtml_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtf_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtToHtml_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRtf_Corpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtSetHtml_Corpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtf_Corpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtToHtml_Corpus)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
