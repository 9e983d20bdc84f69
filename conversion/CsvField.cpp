#include "CsvField.h"

namespace kelvane {

char16_t* writeCsvField(char16_t* out, std::u16string_view field)
{
    // Copied as is while looking, without a branch per character: quoting is rare.
    bool forcing = false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char16_t c = field[i];
        out[i] = c;
        forcing |= (c == u',') | (c == u'"') | (c == u'\r');
    }
    if (!forcing)
        return out + field.size();

    *out++ = u'"';
    for (const char16_t c : field) {
        if (c == u'"')
            *out++ = u'"';
        *out++ = c;
    }
    *out++ = u'"';
    return out;
}

}  // namespace kelvane
