#pragma once
// Fixed text slots of the document: single-byte Windows-1252 texts that end at their first zero
// byte, and blank-padded path fields. Assigning never clears what lies behind the new terminator,
// because those bytes travel into work files exactly as memory holds them.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Copies the text up to its first zero byte or N-1 bytes, whichever comes first, then one zero.
template <std::size_t N>
void AssignSlot(char (&slot)[N], std::string_view text) {
    static_assert(N >= 1);
    const std::size_t zero = text.find('\0');
    const std::size_t length = std::min(zero == std::string_view::npos ? text.size() : zero, N - 1);
    std::memcpy(slot, text.data(), length);
    slot[length] = '\0';
}

// The bytes before the first zero; a slot without any zero yields its first N-1 bytes.
template <std::size_t N>
std::string ReadSlot(const char (&slot)[N]) {
    static_assert(N >= 1);
    const void* zero = std::memchr(slot, '\0', N - 1);
    const std::size_t length =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - slot) : N - 1;
    return std::string(slot, length);
}

// Blank-padded path fields (IconChoicePath) hold exactly this many characters.
inline constexpr std::size_t PathFieldLength = 274;
using PathField = char[PathFieldLength];

// Cuts the text to the field's length and pads it with blanks; no terminator is stored.
void AssignPathField(PathField& field, std::string_view text);

// The field's text: its bytes up to the first zero (a field never assigned is all zeros),
// without leading and trailing blanks.
std::string PathFieldText(const PathField& field);
