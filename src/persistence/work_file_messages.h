#pragma once
// What the user is told about work files: by the program in a message box with an OK button, no
// icon and no owner window; by almanaque-exportar on standard error.

#include "persistence/work_file.h"

inline constexpr const wchar_t* WorkFileWrongFormatMessage =
    L"Formato de fichero erroneo ...\r\n"
    L"Se puede tratar de un fichero de trabajo de una versi\u00f3n anterior ...";
inline constexpr const wchar_t* WorkFileUnreadableMessage = L"No se ha podido leer el fichero ...";
inline constexpr const wchar_t* WorkFileUnwritableMessage =
    L"No se ha podido grabar el fichero ...";

// What the user is told when a work file was not read; nothing for a file that was.
inline const wchar_t* ReadResultMessage(ReadResult result) {
    switch (result) {
        case ReadResult::WrongFormat:
            return WorkFileWrongFormatMessage;
        case ReadResult::Unreadable:
            return WorkFileUnreadableMessage;
        case ReadResult::Replaced:
            break;
    }
    return nullptr;
}
