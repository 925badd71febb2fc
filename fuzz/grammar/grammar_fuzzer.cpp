// Reads any bytes as a grammar file and as an edited grammar text, and checks the rules: no
// pattern keeps a line end, patterns written with CR LF read back the same, and the save rule
// keeps exactly the non-blank lines and gives a file that saves to itself.
#include "platform/text_lines.h"
#include "wrenfold/generator/generator.h"
#include "wrenfold/generator/library_store.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const wrenfold::Lines patterns = wrenfold::ParseGrammar(bytes);
    wrenfold::Lines kept;
    for (const auto& line : patterns) {
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
        if (!platform::IsBlankLine(line))
            kept.push_back(line);
    }
    if (wrenfold::ParseGrammar(platform::JoinLinesCrLf(patterns)) != patterns)
        std::abort();

    const std::string saved = wrenfold::FormatGrammar(wrenfold::SplitEditedText(bytes));
    if (wrenfold::ParseGrammar(saved) != kept)
        std::abort();
    if (wrenfold::FormatGrammar(wrenfold::SplitEditedText(saved)) != saved)
        std::abort();

    // Preparing the patterns for generation looks at every one of them.
    wrenfold::ClockSeedSource seeds;
    wrenfold::RandomSource random(seeds);
    wrenfold::Generator generator("/nonexistent-library-folder", random);
    generator.SetPatterns(patterns);
    return 0;
}
