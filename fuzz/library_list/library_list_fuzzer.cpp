// Reads any bytes as a library list and checks that no name keeps a line end, that the list as
// saved reads back the same, and that every name the name rule accepts is trimmed, not empty,
// stays in its folder and is new to the list.
#include "platform/files.h"
#include "platform/text_lines.h"
#include "wrenfold/generator/library_store.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const wrenfold::Lines names = wrenfold::ParseLibraryList(bytes);
    for (const auto& name : names)
        if (name.find('\n') != std::string::npos || name.find('\r') != std::string::npos)
            std::abort();
    if (wrenfold::ParseLibraryList(platform::JoinLinesCrLf(names)) != names)
        std::abort();

    for (const auto& typed : names) {
        const auto accepted = wrenfold::AcceptNewName(typed, names);
        const auto againstNone = wrenfold::AcceptNewName(typed, {});
        if (accepted) {
            if (accepted != againstNone)
                std::abort();
            for (const auto& entry : names) // the list may hold the typed text, but not the name
                if (platform::EqualsIgnoreCase(entry, *accepted))
                    std::abort();
        }
        if (!againstNone)
            continue;
        const std::string& name = *againstNone;
        if (name.empty() || !wrenfold::IsPathSafeName(name) || name != platform::TrimBlanks(name))
            std::abort();
        if (name.find('/') != std::string::npos || name == "." || name == "..")
            std::abort();
    }
    return 0;
}
