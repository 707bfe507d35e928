#pragma once
// The calling thread's membership of COM (the multithreaded apartment), for the life of the
// object; the imaging component lives in COM.

#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

class ComApartment {
  public:
    ComApartment() : Joined(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComApartment() {
        if (Joined) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool Joined;
};
