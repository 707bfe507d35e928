#pragma once
// File access for work files and whole files, on paths as the user gave them (UTF-16; the
// native stand-in hands them to the system as UTF-8). Reading opens the file without sharing
// and reads it piece by piece; writing builds a replacement beside the target and swaps it in at
// once, so the target is either the old file or the complete new one.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A file opened for reading, not shared with anyone while open. Opening a name that no longer
// exists creates it empty.
class InputFile {
  public:
    InputFile();
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool Open(const std::wstring& path);
    bool Length(std::uint64_t& bytes);
    // Exactly `count` bytes from the current position, or false.
    bool Read(void* buffer, std::size_t count);

  private:
    // The system's handle of the open file, in its owning wrapper.
    struct Opened;
    std::unique_ptr<Opened> File;
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

    bool Create(const std::wstring& targetPath);
    bool Write(const void* bytes, std::size_t count);
    // Flushes and closes the replacement and puts it in the target's place in one step. On
    // failure the target keeps its bytes and the replacement is removed.
    bool Commit();

  private:
    void Discard();

    // The replacement's handle in its owning wrapper, and the target's and the replacement's
    // names in the system's own form.
    struct Replacement;
    std::unique_ptr<Replacement> Pending;
};
