#include "platform/win32/whole_file.h"

#include "platform/work_file_io.h"

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return false;
    ReplacementFile file;
    return file.Create(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
}
