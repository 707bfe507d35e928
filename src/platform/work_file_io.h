#pragma once
// File access for work files, on document paths (Windows-1252 texts), and the one replacing writer
// of every file the program writes. Reading opens the file without sharing and reads it piece by
// piece; writing builds a replacement beside the target and swaps it in at once, so the target is
// either the old file or the complete new one.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A file opened for reading, not shared with anyone while open. Opening a name that no longer
// exists creates it empty.
class InputFile {
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool Open(std::string_view path);
    bool Length(std::uint64_t& bytes);
    // Exactly `count` bytes from the current position, or false.
    bool Read(void* buffer, std::size_t count);

  private:
    std::intptr_t Handle = -1;
};

// A temporary file in the target's folder (named by ReplacementNameFor) that becomes the target
// on Commit. Until then the target is untouched; a replacement that is not committed is removed.
// A read-only target is never replaced: Create refuses it.
class ReplacementFile {
  public:
    ReplacementFile();
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool Create(std::string_view targetPath);
#ifdef _WIN32
    // The same for a target named in the system's own form, which may hold any character.
    bool Create(const std::wstring& targetPath);
#endif
    bool Write(const void* bytes, std::size_t count);
    // Flushes and closes the replacement and puts it in the target's place in one step. On
    // failure the target keeps its bytes and the replacement is removed.
    bool Commit();

  private:
    void Discard();

    std::intptr_t Handle = -1;
    // The target's and the replacement's names in the system's own form.
    struct Names;
    std::unique_ptr<Names> Paths;
};
