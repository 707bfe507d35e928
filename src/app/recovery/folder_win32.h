#pragma once
// Where the recovery copies are kept.

#include <string>

// "%LOCALAPPDATA%\Almanaque\": the user's local application data, which stays on this machine
// (a roaming profile does not carry it to another); empty when the system names no such folder.
std::wstring RecoveryFolder();
