// Scenario files come from users: any bytes must parse to commands or to errors
// with line numbers, never crash or hang.
#include "Script.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto script = sim::parseScript(std::string_view(reinterpret_cast<const char*>(data), size));
    int lines = 1;
    for (size_t i = 0; i < size; ++i)
        lines += data[i] == '\n';
    for (auto const& error : script.errors) {
        if (error.line < 1 || error.line > lines || error.message.empty())
            __builtin_trap();
    }
    return 0;
}
