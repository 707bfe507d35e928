#pragma once
// How the program reads its command line: the whole text after the program's own name is the
// path of a work file to open. There are no options.

#include <string>
#include <string_view>

// The command line without the program's own name, as Windows hands it to a program: a name in
// double quotes ends at the next double quote, an unquoted one at the first blank or tab; the
// blanks and tabs between the name and the rest are not part of the tail.
std::wstring CommandTailOf(std::wstring_view commandLine);

// The work file named by a command tail: the tail with every double-quote character removed and
// nothing else changed, so two paths read as one path containing a blank.
std::wstring WorkFilePathFromCommandTail(std::wstring_view tail);
