#pragma once
// The names of the recovery files in their folder. Every running program has a stem of its own,
// "hoja-" + its start time (16 hexadecimal digits, so that names sort by age) + "-" + a random
// number (8 hexadecimal digits), and up to three files named after it:
//
//   <stem>.vrel   the recovery copy: a work file
//   <stem>.ruta   the work file the copy belongs to, when it belongs to one
//   <stem>.lock   held by the running program whose stem it is
//
// A damaged copy is set aside under a name that is none of these.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct RecoveryFiles {
    std::wstring Copy;
    std::wstring WorkFileNote;
    std::wstring Lock;
    std::wstring SetAside;  // where a damaged copy goes: "<stem> dañada.vrel"
};

std::wstring RecoveryStem(std::uint64_t startTime, std::uint32_t randomNumber);

// The files of a stem in a folder, given with its closing separator.
RecoveryFiles RecoveryFilesOf(const std::wstring& folder, const std::wstring& stem);

// The stem a file name belongs to; nothing for the name of any other file.
std::optional<std::wstring> RecoveryStemOf(std::wstring_view fileName);
