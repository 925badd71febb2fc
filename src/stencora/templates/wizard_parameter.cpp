#include "wizard_parameter.h"

namespace stencora {

std::string ParameterToken(const std::string& name) {
    return "<#" + name + ">";
}

static bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string WizardFileNameFor(const std::string& path) {
    size_t end = path.size();
    for (int dropped = 0; dropped < 3 && end > 0; ++dropped) {
        // One character: its continuation bytes, then the byte that starts it.
        while (end > 0 && IsUtf8Continuation(path[end - 1]))
            --end;
        if (end > 0)
            --end;
    }
    return path.substr(0, end) + "tpl";
}

} // namespace stencora
