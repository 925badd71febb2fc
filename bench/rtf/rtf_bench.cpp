// Load and save of a large RTF written by LibreOffice: 20,000 paragraphs with bold and italic
// words in each, about 4 MB. Goals: load at most 0.3 s, save at most 0.2 s, peak memory of a load
// at most 20 times the file's size.
//   rtf_bench [FILE.rtf] [--benchmark_...]
#include "platform/rtf_document.h"

#include <QByteArray>
#include <QFile>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray g_input;

void Load(benchmark::State& state) {
    for (auto _ : state) {
        QTextDocument doc;
        platform::LoadRtf(g_input, doc);
        benchmark::DoNotOptimize(doc.blockCount());
    }
    state.SetBytesProcessed(state.iterations() * g_input.size());
}

void Save(benchmark::State& state) {
    QTextDocument doc;
    platform::LoadRtf(g_input, doc);
    for (auto _ : state) {
        const QByteArray rtf = platform::SaveRtf(doc);
        benchmark::DoNotOptimize(rtf.size());
    }
}

BENCHMARK(Load)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->MinTime(2.0);

long ResidentKb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The memory one load takes at its peak, the loaded document included: the process's peak after
// the load less what it held before.
void ReportLoadMemory() {
    const long before = ResidentKb();
    {
        QTextDocument doc;
        platform::LoadRtf(g_input, doc);
        const long peak = PeakKb() - before;
        std::printf("input: %.2f MB, %d paragraphs\n", g_input.size() / 1e6, doc.blockCount());
        std::printf("peak memory of a load: %.1f MB = %.1f times the file\n", peak / 1024.0,
                    peak * 1024.0 / static_cast<double>(g_input.size()));
    }
}

bool ReadInput(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    g_input = file.readAll();
    return !g_input.isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string path = argc > 1 ? argv[1] : WF_RTF_BENCH_INPUT;
    if (argc <= 1 && !QFile::exists(QString::fromStdString(path))) {
        std::printf("making %s with LibreOffice...\n", path.c_str());
        const std::string command = std::string("'") + WF_RTF_BENCH_SCRIPT + "' '" + path + "' 20000";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "could not make the input (is soffice installed?)\n");
            return 1;
        }
    }
    if (!ReadInput(path)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    ReportLoadMemory();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
