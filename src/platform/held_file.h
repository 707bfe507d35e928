#pragma once
// A file that one process at a time can hold: the sign that a program is running. The system
// lets go of it when the process ends in any way, a kill included, so a file that can be held
// belongs to no running program. A program that ends normally removes it; one that did not
// leaves it behind, for the next program to find.

#include <memory>
#include <string>

class HeldFile {
  public:
    HeldFile();
    ~HeldFile();
    HeldFile(HeldFile&&) noexcept;
    HeldFile& operator=(HeldFile&&) noexcept;

    // Creates the file or opens it, and holds it; false when another process holds it or it
    // cannot be made. A file held before is let go first.
    bool Hold(const std::wstring& path);
    // Lets go of the file and removes it.
    void Release();
    bool Holding() const { return File != nullptr; }

  private:
    // The system's handle of the open file, in its owning wrapper.
    struct Held;
    std::unique_ptr<Held> File;
};
