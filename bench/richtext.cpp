// Rich text: reading, laying out and painting a cell text, and painting the
// 42 cell texts of a page whose texts are already parsed.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "richtext/RichTextPainter.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

namespace {
constexpr int kCellWidth = 140, kCellHeight = 90;

// A cell text of about `bytes` bytes with several fonts, sizes, colours and
// paragraphs.
QByteArray cellText(int bytes, int seed)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Liberation Sans;}"
                     "{\\f1\\froman Liberation Serif;}{\\f2\\fmodern Liberation Mono;}}"
                     "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue160;}\n";
    static const char* const words[] = {"Dentist", "10:30", "meeting", "with", "the", "team", "caf\\'e9",
                                        "birthday", "call", "Anna", "project", "review", "lunch", "gym"};
    int i = seed;
    while (rtf.size() < bytes) {
        rtf += "\\pard";
        rtf += (i % 3 == 0) ? "\\qc " : " ";
        for (int w = 0; w < 8; ++w, ++i) {
            rtf += "{\\f" + QByteArray::number(i % 3) + "\\fs" + QByteArray::number(16 + 2 * (i % 4));
            if (i % 5 == 0)
                rtf += "\\b";
            if (i % 7 == 0)
                rtf += "\\i\\cf1";
            if (i % 11 == 0)
                rtf += "\\ul\\cf2";
            rtf += ' ';
            rtf += words[i % 14];
            rtf += " }";
        }
        rtf += "\\par\n";
    }
    return rtf + "}";
}

void BM_ParseLayoutPaintCellText(benchmark::State& state)
{
    const QByteArray rtf = cellText(2048, 0);
    QImage cell(kCellWidth, kCellHeight, QImage::Format_RGB32);
    TRichTextLayout layout;
    layout.pageWidthTwips = kCellWidth * 15;
    for (auto _ : state) {
        const auto document = TRtfReader::Read(rtf);
        cell.fill(Qt::white);
        QPainter painter(&cell);
        TRichTextPainter::Paint(*document, painter, cell.rect(), layout);
    }
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(BM_ParseLayoutPaintCellText)->Unit(benchmark::kMicrosecond);

void BM_PaintCachedCellTexts(benchmark::State& state)
{
    // The page's way: one hidden painter, one scratch bitmap per cell.
    std::vector<std::unique_ptr<TWPRtfStorage>> cells;
    for (int i = 0; i < 42; ++i) {
        cells.push_back(std::make_unique<TWPRtfStorage>());
        cells.back()->RtfText().SetRtfBytes(cellText(120 + 40 * (i % 5), i));
    }
    TWPRichText painter;
    painter.SetPageSize(kCellWidth * 15, kCellHeight * 15);
    QImage scratch(kCellWidth, kCellHeight, QImage::Format_RGB32);
    auto paintAll = [&] {
        for (const auto& cell : cells) {
            scratch.fill(Qt::white);
            QPainter p(&scratch);
            painter.LoadFromStorage(*cell);
            painter.PaintTo(p, 0, 0, kCellWidth, kCellHeight);
        }
    };
    paintAll();   // parsed and laid out once
    for (auto _ : state)
        paintAll();
}
BENCHMARK(BM_PaintCachedCellTexts)->Unit(benchmark::kMicrosecond);

void BM_WriteCellText(benchmark::State& state)
{
    const auto document = TRtfReader::Read(cellText(2048, 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TRtfWriter::Write(*document));
}
BENCHMARK(BM_WriteCellText)->Unit(benchmark::kMicrosecond);

} // namespace
