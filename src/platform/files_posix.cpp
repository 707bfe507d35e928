#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/replacement_name.h"

// The native stand-in for the Windows half: the same steps with POSIX calls, on the paths in
// UTF-8. A POSIX file cannot refuse to be shared, so that part has no equivalent here.

namespace {

// An open file descriptor, closed exactly once.
class UniqueDescriptor {
  public:
    explicit UniqueDescriptor(int descriptor) : Descriptor(descriptor) {}
    ~UniqueDescriptor() { Reset(); }
    UniqueDescriptor(UniqueDescriptor&& other) noexcept
        : Descriptor(std::exchange(other.Descriptor, -1)) {}
    UniqueDescriptor(const UniqueDescriptor&) = delete;
    UniqueDescriptor& operator=(const UniqueDescriptor&) = delete;

    int Get() const { return Descriptor; }
    explicit operator bool() const { return Descriptor >= 0; }
    // Closes now; false when closing failed.
    bool Reset() { return Descriptor < 0 || ::close(std::exchange(Descriptor, -1)) == 0; }

  private:
    int Descriptor;
};

}  // namespace

PathState SystemPathState(const std::wstring& trimmedPath) {
    const int savedErrno = errno;
    struct stat status {};
    PathState state = PathState::Present;
    if (::stat(WideToUtf8(trimmedPath).c_str(), &status) != 0)
        state = errno == ENOENT || errno == ENOTDIR ? PathState::Missing : PathState::Unusable;
    errno = savedErrno;
    return state;
}

struct InputFile::Opened {
    UniqueDescriptor Descriptor;
};

InputFile::InputFile() = default;
InputFile::~InputFile() = default;

bool InputFile::Open(const std::wstring& path) {
    File.reset();
    UniqueDescriptor descriptor(::open(WideToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!descriptor || ::fstat(descriptor.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    File = std::make_unique<Opened>(Opened{std::move(descriptor)});
    return true;
}

bool InputFile::Length(std::uint64_t& bytes) {
    struct stat status {};
    if (!File || ::fstat(File->Descriptor.Get(), &status) != 0) return false;
    bytes = static_cast<std::uint64_t>(status.st_size);
    return true;
}

bool InputFile::Read(void* buffer, std::size_t count) {
    if (!File) return false;
    auto* into = static_cast<char*>(buffer);
    while (count > 0) {
        const ssize_t got = ::read(File->Descriptor.Get(), into, count);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        into += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

struct ReplacementFile::Replacement {
    UniqueDescriptor Descriptor;
    std::string Target;
    std::string Temporary;
};

ReplacementFile::ReplacementFile() = default;

ReplacementFile::~ReplacementFile() {
    Discard();
}

void ReplacementFile::Discard() {
    if (!Pending) return;
    Pending->Descriptor.Reset();
    ::unlink(Pending->Temporary.c_str());
    Pending.reset();
}

bool ReplacementFile::Create(const std::wstring& targetPath) {
    Discard();
    const std::string target = WideToUtf8(targetPath);
    // A target without its owner's write permission stands for a read-only file.
    struct stat status {};
    const bool existing = ::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    if (existing && (status.st_mode & S_IWUSR) == 0) return false;
    const std::wstring folder = FolderOf(targetPath);
    const std::string temporary = WideToUtf8(
        folder + ReplacementNameFor(std::wstring_view(targetPath).substr(folder.size())));
    UniqueDescriptor descriptor(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!descriptor) return false;
    // An existing target's permissions go on to its replacement, as far as they can.
    if (existing) ::fchmod(descriptor.Get(), status.st_mode & 07777);
    Pending = std::make_unique<Replacement>(Replacement{std::move(descriptor), target, temporary});
    return true;
}

bool ReplacementFile::Write(const void* bytes, std::size_t count) {
    if (!Pending) return false;
    const auto* from = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t written = ::write(Pending->Descriptor.Get(), from, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        from += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (!Pending) return false;
    const bool flushed = ::fsync(Pending->Descriptor.Get()) == 0;
    const bool closed = Pending->Descriptor.Reset();
    if (flushed && closed && ::rename(Pending->Temporary.c_str(), Pending->Target.c_str()) == 0) {
        Pending.reset();
        return true;
    }
    Discard();
    return false;
}
