#include "calendar/text_slot.h"

#include "platform/path_text.h"

void AssignPathField(PathField& field, std::string_view text) {
    const std::size_t length = std::min(text.size(), PathFieldLength);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, ' ', PathFieldLength - length);
}

std::string PathFieldText(const PathField& field) {
    const std::string_view bytes(field, PathFieldLength);
    return TrimBlanks(bytes.substr(0, bytes.find('\0')));
}
