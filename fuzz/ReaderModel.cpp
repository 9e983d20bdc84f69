#include "ReaderModel.h"

namespace kelvane::fuzz {

std::vector<ModelLine> modelLines(std::string_view bytes)
{
    std::u16string delivered;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0x1A)
            break;
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            delivered.push_back(u'\n');
            ++i;
        } else {
            delivered.push_back(byte);
        }
    }

    std::vector<ModelLine> lines;
    std::size_t pos = 0;
    while (pos < delivered.size()) {
        std::u16string line;
        for (;;) {
            std::u16string chunk;
            while (chunk.size() < 128 && pos < delivered.size()) {
                chunk.push_back(delivered[pos++]);
                if (chunk.back() == u'\n')
                    break;
            }
            if (chunk.empty())
                break;
            const auto nul = chunk.find(u'\0');
            line += chunk.substr(0, nul);
            if (chunk.back() == u'\n' || nul != std::u16string::npos || chunk.size() < 128)
                break;
        }
        const bool result = !line.empty();
        if (result && line.back() == u'\n')
            line.pop_back();
        lines.push_back({result, line});
    }
    return lines;
}

}  // namespace kelvane::fuzz
