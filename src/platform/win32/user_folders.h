#pragma once
// The program's folders among the user's own, each with its closing separator.

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include <string>

// "<known folder>\Almanaque\", for FOLDERID_LocalAppData (stays on this machine) or
// FOLDERID_RoamingAppData (goes with a roaming profile); empty when the system names no such
// folder.
std::wstring ProgramFolderIn(const KNOWNFOLDERID& known);
