#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

#include "platform/cp1252.h"
#include "platform/held_file.h"

// The native stand-in for the Windows half: an exclusive advisory lock, which the system also
// drops when the process ends.

struct HeldFile::Held {
    Held(int descriptor, std::string path) : Descriptor(descriptor), Path(std::move(path)) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        ::unlink(Path.c_str());
        ::close(Descriptor);
    }

    int Descriptor;
    std::string Path;
};

HeldFile::HeldFile() = default;
HeldFile::~HeldFile() = default;
HeldFile::HeldFile(HeldFile&&) noexcept = default;
HeldFile& HeldFile::operator=(HeldFile&&) noexcept = default;

bool HeldFile::Hold(const std::wstring& path) {
    Release();
    std::string name = WideToUtf8(path);
    const int descriptor = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) return false;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return false;
    }
    File = std::make_unique<Held>(descriptor, std::move(name));
    return true;
}

void HeldFile::Release() {
    File.reset();
}
