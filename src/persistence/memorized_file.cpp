#include "persistence/memorized_file.h"

#include <algorithm>

#include "calendar/calendar_arithmetic.h"
#include "persistence/day_record.h"
#include "platform/files.h"
#include "platform/folder_files.h"

namespace {

// A leap year, in which every memorized date has a place.
constexpr std::int16_t StampYear = 2000;

constexpr wchar_t FileName[] = L"fechas memorizadas.dias";
constexpr wchar_t SetAsideName[] = L"fechas memorizadas da\u00f1adas.dias";

std::optional<std::vector<std::uint8_t>> ReadBytes(const std::wstring& path) {
    InputFile file;
    std::uint64_t length = 0;
    if (!file.Open(path) || !file.Length(length) || length > 366 * DayRecordSize)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!bytes.empty() && !file.Read(bytes.data(), bytes.size())) return std::nullopt;
    return bytes;
}

}  // namespace

std::wstring DamagedMemorizedDatesMessage(const std::wstring& setAsidePath) {
    const std::wstring damaged =
        L"No se ha podido leer el fichero de las fechas memorizadas: est\u00e1 da\u00f1ado.";
    if (setAsidePath.empty()) return damaged + L" Se ha borrado.";
    return damaged + L" Se ha apartado, tal como estaba, en:\r\n" + setAsidePath;
}

std::vector<std::uint8_t> EncodeMemorizedDates(const MemorizedDates& dates) {
    std::vector<std::uint8_t> bytes;
    for (const MemorizedDate& date : dates.All()) {
        const GridPlace place = *PlaceOfDay(StampYear, date.Month, date.DayOfMonth);
        const DayRecord record =
            EncodeDay(date.Dressing, {StampYear, date.Month, place, date.DayOfMonth});
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

std::optional<MemorizedDates> DecodeMemorizedDates(std::span<const std::uint8_t> bytes) {
    if (bytes.size() % DayRecordSize != 0) return std::nullopt;
    MemorizedDates dates;
    for (std::size_t at = 0; at < bytes.size(); at += DayRecordSize) {
        DayRecord record;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), DayRecordSize, record.begin());
        const RecordAddress address = AddressOf(record);
        const bool inGrid = address.Column >= 0 && address.Column < GridSize && address.Row >= 0 &&
                            address.Row < GridSize;
        if (!IsMonth(address.Month) || address.Year < 1 || !inGrid) return std::nullopt;
        const std::int16_t day =
            PlaceMonth(address.Year, address.Month)[address.Column][address.Row];
        if (day == 0) return std::nullopt;
        dates.Keep(address.Month, day, DecodeDay(record));
    }
    return dates;
}

MemorizedDatesFile::MemorizedDatesFile(std::wstring folder)
    : Folder(std::move(folder)), File(Folder.empty() ? L"" : Folder + FileName) {}

MemorizedDatesFile::Loaded MemorizedDatesFile::Load() const {
    if (File.empty() || StateOfPath(File) == PathState::Missing) return {};
    const std::optional<std::vector<std::uint8_t>> bytes = ReadBytes(File);
    if (bytes)
        if (std::optional<MemorizedDates> dates = DecodeMemorizedDates(*bytes))
            return {std::move(*dates), std::nullopt};
    // An older file set aside makes way: the newer one is the one to tell of.
    const std::wstring aside = Folder + SetAsideName;
    RemoveFile(aside);
    if (RenameFile(File, aside)) return {{}, aside};
    RemoveFile(File);
    return {{}, L""};
}

bool MemorizedDatesFile::Save(const MemorizedDates& dates) const {
    if (File.empty()) return false;
    MakeFolder(Folder);
    const std::vector<std::uint8_t> bytes = EncodeMemorizedDates(dates);
    // Nothing memorized is an empty file: the replacing writer has nothing to write.
    if (bytes.empty()) return RemoveFile(File);
    return WriteWholeFile(File, bytes);
}
