#pragma once
// The calling thread's membership of COM, for the life of the object: a worker joins the
// multithreaded apartment (the imaging component lives in COM); a thread with windows joins a
// single-threaded one, as the shell's dialogs and ShellExecuteExW require of their caller.

#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

enum class ComThread { Worker, Windows };

class ComApartment {
  public:
    explicit ComApartment(ComThread thread = ComThread::Worker)
        : Joined(SUCCEEDED(CoInitializeEx(nullptr, Model(thread)))) {}
    ~ComApartment() {
        if (Joined) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    static DWORD Model(ComThread thread) {
        return thread == ComThread::Worker ? COINIT_MULTITHREADED
                                           : COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE;
    }

    bool Joined;
};
