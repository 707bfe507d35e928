#pragma once
// Files on paths as the user gave them (UTF-16; the native stand-in hands them to the system as
// UTF-8): what the file system says of a path, reading a file piece by piece, and writing through
// a replacement built beside the target and swapped in at once, so that the target is either the
// old file or the complete new one. On Windows, opening and replacing wait for a file that
// another program holds for a moment (RetryWhileBusy).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the file system says of a path.
enum class PathState {
    Present,   // an existing file or folder
    Missing,   // the file, or a folder on its way, is not there; an empty path is missing too
    Unusable,  // the system cannot use the path at all: a name too long or invalid, access
               // refused...
};

// The state of the path without its leading and trailing blanks. Shows nothing and leaves no
// error state behind.
PathState StateOfPath(std::wstring_view path);

// True when the path, without its leading and trailing blanks, names an existing file or folder.
bool FileExists(std::wstring_view path);

// The system-specific half of StateOfPath, for a path that is neither empty nor blank-edged:
// Missing for the system's "not found" errors, Unusable for any other failure.
PathState SystemPathState(const std::wstring& trimmedPath);

// A file opened for reading, shared with other readers and with a replacement or removal of the
// file, never with a writer. Opening a name that does not exist fails; nothing is created.
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
// A read-only target is never replaced: Create refuses it. An existing target keeps its
// attributes and permissions; a new one gets the folder's.
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

// Creates or replaces the file with exactly these bytes, through a ReplacementFile: on any
// failure the file keeps its old bytes and no partial file is left. Nothing to write is a
// failure. True when every byte was written.
bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
