#pragma once
// "Fechas memorizadas": the user's memorized dates in date order ("14/02  Cumpleaños Ana"), and
// "Olvidar" to forget the one chosen; with none, a line says how to memorize a day. "Cerrar",
// Esc and the close box close it. Runs modally, above its owner window.

#include <windows.h>

#include "app/document/kept_memorized_days.h"

void RunMemorizedList(HWND owner, KeptMemorizedDays& days);
