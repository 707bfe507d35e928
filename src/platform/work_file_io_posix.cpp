#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/cp1252.h"
#include "platform/replacement_name.h"
#include "platform/work_file_io.h"

// The native stand-in for the Windows half: the same steps with POSIX calls. A POSIX file cannot
// refuse to be shared, so that part has no equivalent here.

namespace {

void CloseIfOpen(std::intptr_t& handle) {
    if (handle >= 0) ::close(static_cast<int>(handle));
    handle = -1;
}

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of('/');
    if (separator == std::string::npos) return "./";
    return path.substr(0, separator + 1);
}

}  // namespace

InputFile::~InputFile() {
    CloseIfOpen(Handle);
}

bool InputFile::Open(std::string_view path) {
    CloseIfOpen(Handle);
    const int file = ::open(Cp1252ToUtf8(path).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) return false;
    struct stat status {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(file);
        return false;
    }
    Handle = file;
    return true;
}

bool InputFile::Length(std::uint64_t& bytes) {
    struct stat status {};
    if (::fstat(static_cast<int>(Handle), &status) != 0) return false;
    bytes = static_cast<std::uint64_t>(status.st_size);
    return true;
}

bool InputFile::Read(void* buffer, std::size_t count) {
    auto* into = static_cast<char*>(buffer);
    while (count > 0) {
        const ssize_t got = ::read(static_cast<int>(Handle), into, count);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        into += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

struct ReplacementFile::Names {
    std::string Target;
    std::string Temporary;
};

ReplacementFile::ReplacementFile() = default;

ReplacementFile::~ReplacementFile() {
    Discard();
}

void ReplacementFile::Discard() {
    CloseIfOpen(Handle);
    if (Paths && !Paths->Temporary.empty()) ::unlink(Paths->Temporary.c_str());
    Paths.reset();
}

bool ReplacementFile::Create(std::string_view targetPath) {
    Discard();
    auto names = std::make_unique<Names>();
    names->Target = Cp1252ToUtf8(targetPath);
    // A target without its owner's write permission stands for a read-only file.
    struct stat status {};
    if (::stat(names->Target.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        (status.st_mode & S_IWUSR) == 0)
        return false;
    const std::size_t nameStart = targetPath.find_last_of('/') + 1;
    const std::string temporary =
        FolderOf(names->Target) +
        WideToCp1252(ReplacementNameFor(Cp1252ToWide(targetPath.substr(nameStart))));
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0) return false;
    names->Temporary = temporary;
    Paths = std::move(names);
    Handle = file;
    return true;
}

bool ReplacementFile::Write(const void* bytes, std::size_t count) {
    if (Handle < 0) return false;
    const auto* from = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t written = ::write(static_cast<int>(Handle), from, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        from += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (Handle < 0 || !Paths) return false;
    const bool flushed = ::fsync(static_cast<int>(Handle)) == 0;
    const bool closed = ::close(static_cast<int>(Handle)) == 0;
    Handle = -1;
    if (!flushed || !closed) {
        Discard();
        return false;
    }
    if (::rename(Paths->Temporary.c_str(), Paths->Target.c_str()) == 0) {
        Paths.reset();
        return true;
    }
    Discard();
    return false;
}
