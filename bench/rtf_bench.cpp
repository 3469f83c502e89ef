// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the 5 MB RTF document (10,400 paragraphs written by a word processor)
// against Qt's own HTML import and export of the same content, in one run. The summary at the
// end gives RTF time / HTML time for load and for save; the target is at most 1.
#include "textpad/rtf/rtfreader.h"
#include "textpad/rtf/rtfwriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// The large document as RTF and as the HTML Qt writes for it.
class LargeDocument
{
public:
    static const LargeDocument &instance()
    {
        static const LargeDocument document;
        return document;
    }

    QByteArray rtf;
    QString html;

private:
    LargeDocument()
    {
        QFile file(QStringLiteral(BENCH_DATA_DIR "/large.libreoffice.rtf"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("bench data missing: %s", qPrintable(file.fileName()));
        rtf = file.readAll();
        QTextDocument document;
        readRtf(rtf, &document);
        html = document.toHtml();
    }
};

void BM_LoadRtf(benchmark::State &state)
{
    const LargeDocument &large = LargeDocument::instance();
    for (auto _ : state) {
        QTextDocument document;
        readRtf(large.rtf, &document);
        benchmark::DoNotOptimize(document.blockCount());
    }
    state.SetBytesProcessed(state.iterations() * large.rtf.size());
}

void BM_LoadHtml(benchmark::State &state)
{
    const LargeDocument &large = LargeDocument::instance();
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(large.html);
        benchmark::DoNotOptimize(document.blockCount());
    }
}

void BM_SaveRtf(benchmark::State &state)
{
    QTextDocument document;
    readRtf(LargeDocument::instance().rtf, &document);
    for (auto _ : state)
        benchmark::DoNotOptimize(writeRtf(&document));
}

void BM_SaveHtml(benchmark::State &state)
{
    QTextDocument document;
    readRtf(LargeDocument::instance().rtf, &document);
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml());
}

BENCHMARK(BM_LoadRtf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadHtml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveRtf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveHtml)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Console output plus the RTF/HTML ratios once every benchmark has run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_times[run.run_name.function_name]
                    = { run.GetAdjustedRealTime(), run.GetAdjustedCPUTime() };
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        printRatio("load", "BM_LoadRtf", "BM_LoadHtml");
        printRatio("save", "BM_SaveRtf", "BM_SaveHtml");
    }

private:
    void printRatio(const char *what, const std::string &rtf, const std::string &html)
    {
        const auto r = m_times.find(rtf);
        const auto h = m_times.find(html);
        if (r == m_times.end() || h == m_times.end() || h->second.first <= 0
            || h->second.second <= 0)
            return;
        std::printf("RTF %s / HTML %s: %.2f wall, %.2f CPU (target <= 1.00)\n", what, what,
            r->second.first / h->second.first, r->second.second / h->second.second);
    }

    std::map<std::string, std::pair<double, double>> m_times; // wall and CPU time per benchmark
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
