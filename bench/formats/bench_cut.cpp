// Reading and writing the largest files the reader accepts: a text block ending at 32747.
#include "formats/CutFormat.h"
#include "work/Tmf.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillon;

// A bank whose text block runs from offset 12 to 32747 in entries of entryLength bytes.
std::string FullBank(std::size_t entryLength) {
    std::string block;
    for (unsigned i = 0; block.size() + 1 + entryLength <= 32747 - 12; ++i) {
        std::string text(entryLength, static_cast<char>('a' + i % 26));
        if (entryLength >= 3) text.replace(entryLength - 3, 3, "*01");
        block += static_cast<char>(entryLength);
        block += text;
    }
    const unsigned end = 12 + static_cast<unsigned>(block.size());
    std::string out = "AmBk";
    out += std::string("\0\3\0\0\0\0\0\0", 8);
    out += "Datas   ";
    out += std::string(8, '\0');
    out += std::string("\0\x0C", 2);
    out += static_cast<char>(end >> 8);
    out += static_cast<char>(end & 0xFF);
    out += block;
    const std::size_t n = out.size() - 12;
    out[9] = static_cast<char>(n >> 16);
    out[10] = static_cast<char>(n >> 8);
    out[11] = static_cast<char>(n);
    return out;
}

struct Opened {
    std::string source;
    Document document;
};

Opened Open(std::size_t entryLength) {
    Opened o;
    o.source = FullBank(entryLength);
    o.document = TheCutFormat().Read(o.source, "BENCH.CUT").document;
    for (int row = 1; row <= o.document.Count(); ++row) {
        std::string text = o.document.At(row).original;
        if (!text.empty()) text.back() = 'x'; // a translation that needs no padding
        o.document.At(row).edited = text;
    }
    return o;
}

void BM_ReadCut(benchmark::State& state) {
    const std::string bytes = FullBank(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ReadResult r = TheCutFormat().Read(bytes, "BENCH.CUT");
        benchmark::DoNotOptimize(r.document.Count());
    }
    state.counters["rows"] = static_cast<double>(ParseCutBytes(bytes, "B").entries.size());
}
BENCHMARK(BM_ReadCut)->Arg(2)->Arg(255)->Unit(benchmark::kMicrosecond);

void BM_WriteCut(benchmark::State& state) {
    const Opened o = Open(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        Document document = o.document;
        benchmark::DoNotOptimize(TheCutFormat().CheckWritable(document));
        TheCutFormat().FitForWriting(document);
        WriteResult built = TheCutFormat().Write(document, o.source);
        benchmark::DoNotOptimize(built.bytes.data());
    }
}
BENCHMARK(BM_WriteCut)->Arg(2)->Arg(255)->Unit(benchmark::kMicrosecond);

void BM_TmfRoundTrip(benchmark::State& state) {
    const Opened o = Open(2);
    for (auto _ : state) {
        Document document = o.document;
        const TmfBuildResult file = BuildTmf("BENCH.CUT", document, TmfContent::NewMessages);
        const TmfParseResult parsed = ParseTmf(file.bytes);
        ApplyTmfLines(document, parsed.lines);
        benchmark::DoNotOptimize(document.Count());
    }
}
BENCHMARK(BM_TmfRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
