#include "CsvRowBuilder.h"

#include <algorithm>
#include <charconv>

#include "CsvField.h"

namespace kelvane {
namespace {

constexpr std::u16string_view kGroupPrefix = u"Gate-";
constexpr std::u16string_view kFixedFields = u",Undefined,0,";
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::size_t kMaxDecimalSize = 20;

char16_t* put(char16_t* out, std::u16string_view text) { return std::copy(text.begin(), text.end(), out); }

char16_t* putDecimal(char16_t* out, std::int64_t value)
{
    char digits[kMaxDecimalSize];
    const auto end = std::to_chars(digits, digits + kMaxDecimalSize, value).ptr;
    return std::copy(digits, end, out);
}

}  // namespace

std::u16string_view CsvRowBuilder::build(std::u16string_view group, std::u16string_view number,
    std::u16string_view name, std::int64_t sequence)
{
    const std::size_t capacity = kGroupPrefix.size() + group.size() + 1 + csvFieldCapacity(number.size()) + 1
        + csvFieldCapacity(name.size()) + kFixedFields.size() + kMaxDecimalSize + kLineEnd.size();
    if (buffer_.size() < capacity)
        buffer_.resize(capacity);

    char16_t* const begin = buffer_.data();
    char16_t* out = put(begin, kGroupPrefix);
    out = put(out, group);
    *out++ = u',';
    out = writeCsvField(out, number);
    *out++ = u',';
    out = writeCsvField(out, name);
    out = put(out, kFixedFields);
    out = putDecimal(out, sequence);
    out = put(out, kLineEnd);
    return std::u16string_view(begin, static_cast<std::size_t>(out - begin));
}

}  // namespace kelvane
