// SPDX-License-Identifier: GPL-3.0-or-later
// The address bar with a long typed-address history: loading history.txt, one key release that
// completes, one submit with its file check, and a window's address bar filled with that history.
#include "browser/addressbar.h"
#include "browser/core/addressboxmodel.h"
#include "browser/core/historyfile.h"
#include "common/core/datafile.h"
#include "common/core/listfieldreader.h"
#include "support/fakewebcontrol.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int historySize = 100'000;

// Addresses like a real history: a few sites visited often, many once; paths, queries, and now and
// then a comma or a quote that the file must store quoted.
QStringList realisticAddresses(int count)
{
    static const QStringList words { "news", "mail", "shop", "docs", "wiki", "maps", "video",
        "forum", "blog", "search", "music", "travel", "bank", "weather", "sport" };
    static const QStringList tlds { "com", "org", "net", "de", "co.uk", "io", "fr" };
    std::mt19937 random(20260601);
    auto pick = [&random](const QStringList &list) { return list.at(random() % list.size()); };
    QStringList addresses;
    addresses.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString address = (random() % 3 ? QStringLiteral("https://") : QStringLiteral("http://"))
            + (random() % 2 ? QStringLiteral("www.") : QString()) + pick(words)
            + QString::number(random() % 5000) + u'.' + pick(tlds) + u'/';
        for (unsigned depth = random() % 4; depth > 0; --depth)
            address += pick(words) + u'/';
        if (random() % 3 == 0)
            address += QStringLiteral("?q=%1&page=%2").arg(pick(words)).arg(random() % 100);
        if (random() % 50 == 0)
            address += QStringLiteral("&tags=a,b");
        addresses.append(address);
    }
    return addresses;
}

// history.txt with the generated addresses, in a directory that lives as long as the benchmarks.
class HistoryFixture
{
public:
    static HistoryFixture &instance()
    {
        static HistoryFixture fixture;
        return fixture;
    }

    const QStringList &addresses() const { return m_addresses; }
    QString path() const { return m_dir.filePath(QStringLiteral("history.txt")); }

private:
    HistoryFixture()
        : m_addresses(realisticAddresses(historySize))
    {
        QString text;
        for (const QString &address : m_addresses)
            text += quoteFieldIfNeeded(address) + QStringLiteral("\r\n");
        DataFile::replace(path(), DataFile::encode(text));
    }

    QTemporaryDir m_dir;
    QStringList m_addresses;
};

void loadHistoryFile(benchmark::State &state)
{
    const HistoryFile file(HistoryFixture::instance().path());
    for (auto _ : state)
        benchmark::DoNotOptimize(file.load());
}
BENCHMARK(loadHistoryFile)->Unit(benchmark::kMillisecond);

// The typed text matches only the last entry, or nothing: the search runs through the whole list.
void keyReleaseWithCompletion(benchmark::State &state)
{
    const QStringList &addresses = HistoryFixture::instance().addresses();
    AddressBoxModel model;
    model.setHistory(addresses + QStringList { QStringLiteral("http://zz-last.example/") });
    const QString typed
        = state.range(0) ? QStringLiteral("http://zz-l") : QStringLiteral("http://zz-none");
    for (auto _ : state) {
        model.setEdit(typed, typed.size(), 0);
        model.keyReleased(AddressBoxModel::ReleasedKey::Other);
        benchmark::DoNotOptimize(model.text());
    }
}
BENCHMARK(keyReleaseWithCompletion)
    ->ArgName("matchesLast")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

// Submitting an address the file already holds as its last line: the whole file is read, nothing
// is written.
void submitWithFileCheck(benchmark::State &state)
{
    const HistoryFixture &fixture = HistoryFixture::instance();
    const HistoryFile file(fixture.path());
    AddressBoxModel model;
    model.setHistory(fixture.addresses());
    const QString &last = fixture.addresses().constLast();
    for (auto _ : state) {
        model.setEdit(last, last.size(), 0);
        const QString address = model.submitAddress();
        model.appendToHistory(address);
        benchmark::DoNotOptimize(file.addIfMissing(address));
    }
}
BENCHMARK(submitWithFileCheck)->Unit(benchmark::kMillisecond);

// What the history adds to a window's load: the bar built and its combo box filled.
void openAddressBarWithHistory(benchmark::State &state)
{
    FakeWebControl web;
    const QString path = HistoryFixture::instance().path();
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        auto *bar = new AddressBar(&web, path, window.get());
        bar->loadHistory();
        benchmark::DoNotOptimize(bar->box()->sizeHint());
        state.PauseTiming(); // tearing the window down is not part of opening it
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(openAddressBarWithHistory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Google Benchmark takes its own options out of argv first; QApplication keeps argv for good.
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
