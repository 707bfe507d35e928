#pragma once
// What the user is told about work files. Shown in a message box with an OK button, no icon and
// no owner window.

inline constexpr const wchar_t* WorkFileCaption = L"Programador";
inline constexpr const wchar_t* WorkFileWrongFormatMessage =
    L"Formato de fichero erroneo ...\r\n"
    L"Se puede tratar de un fichero de trabajo de una versi\u00f3n anterior ...";
inline constexpr const wchar_t* WorkFileUnreadableMessage = L"No se ha podido leer el fichero ...";
inline constexpr const wchar_t* WorkFileUnwritableMessage =
    L"No se ha podido grabar el fichero ...";
