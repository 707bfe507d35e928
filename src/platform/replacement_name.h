#pragma once
// The name of the temporary file a save is built in before it replaces its target.

#include <string>
#include <string_view>

// "~vrl" + eight hexadecimal digits + ".tmp", derived from the target's file name (without its
// folder; A-Z count as a-z, as the file system does): every save of one file uses the same
// name, so it replaces whatever an interrupted save of that file left behind.
std::wstring ReplacementNameFor(std::wstring_view targetName);

// The name the old target stands aside under while its replacement takes its place: the
// replacement's name with "~vrb" for "~vrl".
std::wstring BackupNameFor(std::wstring_view targetName);
