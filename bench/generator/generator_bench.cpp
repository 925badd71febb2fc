// generator_bench LIBRARY_DIR LIBRARY_NAME COUNT
//   Runs the Generator command on the library LIBRARY_NAME of the application directory LIBRARY_DIR,
//   asking for COUNT sentences, into memory, and prints sentences per second, output bytes and the
//   peak memory of the process.
// generator_bench --sample DIR
//   Writes the sample library "sample" (and sample.tracery.json, the same grammar for Tracery) into
//   DIR and ends.
// generator_bench
//   Writes the sample library into a temporary folder and runs 1,000,000 sentences on it.
#include "sample_library.h"

#include "wrenfold/generator/generator.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <sys/resource.h>

namespace {

class BenchUi : public wrenfold::GeneratorUi {
public:
    explicit BenchUi(std::string count) : count_(std::move(count)) {}
    void warnNoLibrary(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool askCount(std::string& value) override {
        value = count_;
        return true;
    }
    void appendText(const std::string& text) override {
        bytes += text.size();
        for (size_t i = 0; i < text.size(); i += 64) // a sample of the bytes, to show the text was made
            checksum = checksum * 31 + static_cast<unsigned char>(text[i]);
        sample = text.substr(0, 200);
    }

    size_t bytes = 0;
    uint64_t checksum = 0;
    std::string sample;

private:
    std::string count_;
};

// User and system processor time of this process: on a busy machine it shows the program's own cost.
double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int Usage() {
    std::fprintf(stderr, "usage: generator_bench LIBRARY_DIR LIBRARY_NAME COUNT\n"
                         "       generator_bench --sample DIR\n"
                         "       generator_bench\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string appDir, library, count;
    std::string tempFolder;
    if (argc == 3 && std::strcmp(argv[1], "--sample") == 0) {
        std::string dir = argv[2];
        if (dir.back() != '/')
            dir += '/';
        std::filesystem::create_directories(dir);
        wrenfold::bench::WriteSampleLibrary(dir);
        std::printf("sample library written to %s%s\n", dir.c_str(), wrenfold::bench::kSampleLibrary);
        return 0;
    } else if (argc == 4) {
        appDir = argv[1];
        if (appDir.back() != '/')
            appDir += '/';
        library = argv[2];
        count = argv[3];
    } else if (argc == 1) {
        tempFolder = wrenfold::bench::MakeTempFolder();
        wrenfold::bench::WriteSampleLibrary(tempFolder);
        appDir = tempFolder;
        library = wrenfold::bench::kSampleLibrary;
        count = "1000000";
    } else {
        return Usage();
    }

    BenchUi ui(count);
    wrenfold::ClockSeedSource seeds;
    wrenfold::RandomSource random(seeds);
    int made = 0;
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    try {
        made = wrenfold::RunGeneratorCommand(appDir, library, ui, random);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generator_bench: %s\n", e.what());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuStart;
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    if (!tempFolder.empty())
        std::filesystem::remove_all(tempFolder);

    std::printf("sentences: %d\n", made);
    std::printf("seconds: %.3f\n", seconds);
    std::printf("sentences per second: %.0f\n", made / seconds);
    std::printf("processor seconds: %.3f (%.0f sentences per processor second)\n", cpu, made / cpu);
    std::printf("output bytes: %zu (%.1f per sentence)\n", ui.bytes, made ? double(ui.bytes) / made : 0.0);
    std::printf("peak memory (max RSS): %ld KiB\n", usage.ru_maxrss);
    std::printf("checksum: %016llx\n", static_cast<unsigned long long>(ui.checksum));
    std::printf("first sentences: %s\n", ui.sample.c_str());
    return 0;
}
