#pragma once
// "Calendario": what every new sheet starts with. "Festivos de:" chooses the holidays (none, the
// national ones, or a community's), "Fases de la luna" the moon's phases; a line says for which
// years the official list is known. Runs modally, above its owner window. "Aceptar" gives the
// choice made; "Cancelar", Esc and the close box give none.

#include <windows.h>

#include <optional>

#include "calendar/calendar_choice.h"

inline constexpr const wchar_t* CalendarUnkeptMessage =
    L"No se ha podido grabar la elecci\u00f3n del calendario ...";

std::optional<CalendarChoice> RunCalendarDialog(HWND owner, const CalendarChoice& current);
