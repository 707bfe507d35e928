#include "persistence/cell_record.h"

#include <cstring>

namespace {

enum class FieldKind {
    Text,     // bytes as they are
    Integer,  // little-endian in the record, in the machine's order in memory
};

// A run of equal fields. A DayCell's fields sit at the same offsets as in the record, and the
// record is packed, so every field is reached through its offset and copied, never referenced.
struct RecordField {
    std::size_t At;
    std::size_t Size;  // of one field
    std::size_t Count;
    FieldKind Kind;
};

constexpr RecordField Integers(std::size_t at, std::size_t size, std::size_t count = 1) {
    return {at, size, count, FieldKind::Integer};
}
constexpr RecordField Texts(std::size_t at, std::size_t size, std::size_t count = 1) {
    return {at, size, count, FieldKind::Text};
}

constexpr RecordField Fields[] = {
    Texts(offsetof(DayCell, FontName), sizeof DayCell::FontName),
    Integers(offsetof(DayCell, NumberColor), 4),
    Integers(offsetof(DayCell, Year), 2, 3),  // Year, Month, Day
    Integers(offsetof(DayCell, HasDay), 4),
    Integers(offsetof(DayCell, Left), 2, 6),  // Left, Top, Right, Bottom, Column, Row
    Integers(offsetof(DayCell, Lines), 4, 2 * TextLineCount),  // LineIsText, LineIsSaint
    Integers(offsetof(DayCell, NumberTopLeft), 4, 5),          // the five number places
    Integers(offsetof(DayCell, IconShown), 4, IconCount),
    Texts(offsetof(DayCell, LineText), sizeof DayCell::LineText[0], TextLineCount),
    Integers(offsetof(DayCell, LineColor), 4, TextLineCount),
    Texts(offsetof(DayCell, IconPath), sizeof DayCell::IconPath[0], IconCount),
};

constexpr bool FieldsCoverTheRecord() {
    std::size_t next = 0;
    for (const RecordField& field : Fields) {
        if (field.At != next) return false;
        if (field.Kind == FieldKind::Integer && field.Size != 2 && field.Size != 4) return false;
        next += field.Size * field.Count;
    }
    return next == CellRecordSize;
}
static_assert(FieldsCoverTheRecord(), "every byte of the record belongs to exactly one field");

// Calls visit(offset, field) for every single field, in record order.
template <typename Visit>
void ForEachField(Visit visit) {
    for (const RecordField& field : Fields)
        for (std::size_t k = 0; k < field.Count; ++k) visit(field.At + k * field.Size, field);
}

std::uint32_t ReadNative(const unsigned char* bytes, std::size_t size) {
    if (size == 2) {
        std::uint16_t value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void WriteNative(unsigned char* bytes, std::size_t size, std::uint32_t value) {
    if (size == 2) {
        const auto narrow = static_cast<std::uint16_t>(value);
        std::memcpy(bytes, &narrow, sizeof narrow);
    } else {
        std::memcpy(bytes, &value, sizeof value);
    }
}

std::uint32_t ReadLittleEndian(const std::uint8_t* bytes, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
    return value;
}

void WriteLittleEndian(std::uint8_t* bytes, std::size_t size, std::uint32_t value) {
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

unsigned char* BytesOf(DayCell& cell) {
    return reinterpret_cast<unsigned char*>(&cell);
}

const unsigned char* BytesOf(const DayCell& cell) {
    return reinterpret_cast<const unsigned char*>(&cell);
}

}  // namespace

CellRecord EncodeCellRecord(const DayCell& cell) {
    CellRecord record{};
    const unsigned char* memory = BytesOf(cell);
    ForEachField([&](std::size_t at, const RecordField& field) {
        if (field.Kind == FieldKind::Text)
            std::memcpy(record.data() + at, memory + at, field.Size);
        else
            WriteLittleEndian(record.data() + at, field.Size, ReadNative(memory + at, field.Size));
    });
    return record;
}

DayCell DecodeCellRecord(const CellRecord& record) {
    DayCell cell{};
    unsigned char* memory = BytesOf(cell);
    ForEachField([&](std::size_t at, const RecordField& field) {
        if (field.Kind == FieldKind::Text)
            std::memcpy(memory + at, record.data() + at, field.Size);
        else
            WriteNative(memory + at, field.Size, ReadLittleEndian(record.data() + at, field.Size));
    });
    return cell;
}

void ApplyCellRecord(const DayCell& record, DayCell& target) {
    const unsigned char* source = BytesOf(record);
    unsigned char* memory = BytesOf(target);
    ForEachField([&](std::size_t at, const RecordField& field) {
        if (field.Kind == FieldKind::Integer) {
            std::memcpy(memory + at, source + at, field.Size);
            return;
        }
        // The text before the terminator (a slot without one gives all but its last byte),
        // then a terminator; the target's bytes behind it stay.
        const void* zero = std::memchr(source + at, '\0', field.Size - 1);
        const std::size_t length =
            zero ? static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - (source + at))
                 : field.Size - 1;
        std::memcpy(memory + at, source + at, length);
        memory[at + length] = '\0';
    });
}
