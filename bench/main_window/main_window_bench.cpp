// main_window_bench [benchmark flags]
//   Times the Generator command of the main window on the sample English library, in an 800x600
//   window on the offscreen platform (or the display in QT_QPA_PLATFORM), for 1,000, 10,000 and
//   100,000 sentences:
//     Generate        the sentences alone, into memory (no window);
//     GenerateAndShow the command in the window until the text box has painted the new text;
//     TypeAtEnd       one character typed at the end of the text, until it is painted;
//     StockShow, StockTypeAtEnd  the same text in a stock QPlainTextEdit of the same size and
//                     font, for comparison.
//   Each reports the text's length (chars) and the process's resident memory (rss_MB).
#include "platform/application.h"
#include "platform/scripted_seam.h"
#include "wrenfold/generator/generator.h"
#include "wrenfold/generator/main_window.h"
#include "wrenfold/generator/program_state.h"
#include "wrenfold/generator/random_source.h"
#include "wrenfold/generator/text_box.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>

namespace {

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The main window on the sample libraries, shown and settled.
struct Window {
    Window() {
        state.executablePath = std::string(WF_LIBRARIES_DIR) + "wrenfold";
        form = std::make_unique<wrenfold::TForm1>(state, seam);
        form->resize(800, 600);
        form->show();
        QCoreApplication::processEvents();
    }
    void generate(int count) {
        seam.answerInput(QString::number(count));
        form->suiButton1Click();
    }
    // Lays out and paints what changed, as the event loop would before the next user event.
    void paint() {
        QCoreApplication::processEvents();
        form->textBox()->viewport()->repaint();
    }
    platform::ScriptedSeam seam;
    wrenfold::ProgramState state;
    std::unique_ptr<wrenfold::TForm1> form;
};

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

class MemoryUi : public wrenfold::GeneratorUi {
public:
    explicit MemoryUi(int count) : count_(std::to_string(count)) {}
    void warnNoLibrary(const std::string&) override {}
    bool askCount(std::string& value) override {
        value = count_;
        return true;
    }
    void appendText(const std::string& t) override { text += t; }
    std::string text;

private:
    std::string count_;
};

void Generate(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    wrenfold::ClockSeedSource seeds;
    wrenfold::RandomSource random(seeds);
    size_t bytes = 0;
    for (auto _ : state) {
        MemoryUi ui(count);
        wrenfold::RunGeneratorCommand(WF_LIBRARIES_DIR, "English", ui, random);
        bytes = ui.text.size();
        benchmark::DoNotOptimize(ui.text.data());
    }
    state.counters["chars"] = static_cast<double>(bytes);
}

void GenerateAndShow(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    qsizetype chars = 0;
    double rss = 0;
    for (auto _ : state) {
        Window w; // a fresh window each time, made outside the timing
        const auto start = Clock::now();
        w.generate(count);
        w.paint();
        state.SetIterationTime(Seconds(start));
        chars = w.form->textBox()->document()->characterCount();
        rss = ResidentMegabytes();
    }
    state.counters["chars"] = static_cast<double>(chars);
    state.counters["rss_MB"] = rss;
}

void TypeAtEnd(benchmark::State& state) {
    Window w;
    w.generate(static_cast<int>(state.range(0)));
    w.form->textBox()->moveCursor(QTextCursor::End);
    w.paint();
    for (auto _ : state) {
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QCoreApplication::sendEvent(w.form->textBox(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
        QCoreApplication::sendEvent(w.form->textBox(), &release);
        w.paint();
        state.SetIterationTime(Seconds(start));
    }
    state.counters["chars"] = static_cast<double>(w.form->textBox()->document()->characterCount());
    state.counters["rss_MB"] = ResidentMegabytes();
}

// The same text in a stock QPlainTextEdit of the same size and font, for comparison.
QString SampleText(int count) {
    wrenfold::ClockSeedSource seeds;
    wrenfold::RandomSource random(seeds);
    MemoryUi ui(count);
    wrenfold::RunGeneratorCommand(WF_LIBRARIES_DIR, "English", ui, random);
    return QString::fromStdString(ui.text);
}

std::unique_ptr<QPlainTextEdit> StockEdit() {
    auto edit = std::make_unique<QPlainTextEdit>();
    edit->setFont(wrenfold::DefaultTextFont());
    edit->resize(800, 600);
    edit->show();
    QCoreApplication::processEvents();
    return edit;
}

void StockShow(benchmark::State& state) {
    const QString text = SampleText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto edit = StockEdit();
        const auto start = Clock::now();
        QTextCursor cursor(edit->document());
        cursor.insertText(text);
        QCoreApplication::processEvents();
        edit->viewport()->repaint();
        state.SetIterationTime(Seconds(start));
    }
    state.counters["chars"] = static_cast<double>(text.size());
}

void StockTypeAtEnd(benchmark::State& state) {
    auto edit = StockEdit();
    edit->setPlainText(SampleText(static_cast<int>(state.range(0))));
    edit->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    edit->viewport()->repaint();
    for (auto _ : state) {
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QCoreApplication::sendEvent(edit.get(), &press);
        QCoreApplication::processEvents();
        edit->viewport()->repaint();
        state.SetIterationTime(Seconds(start));
    }
    state.counters["chars"] = static_cast<double>(edit->document()->characterCount());
}

BENCHMARK(Generate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(GenerateAndShow)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TypeAtEnd)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StockShow)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StockTypeAtEnd)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    wrenfold::InstallFontSubstitutes();
    wrenfold::KeepLargeTextBuffersInHeap(); // as the program does at start-up
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
