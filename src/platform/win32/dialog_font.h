#pragma once
// Fonts for dialog controls: a face, a size in points (a character height of points x the
// screen's vertical pixels per inch / 72, rounded) and a weight (400 regular, 700 bold), ANSI
// character set, default pitch and family. The caller owns the font and deletes it after the
// dialog that uses it has ended.

#include <string_view>

#include "platform/win32/handles.h"

UniqueFont CreateDialogFont(std::wstring_view face, int points, int weight);
