#pragma once
// Fonts as the program asks for them: a face, a size in points (a character height of points x
// the device's vertical pixels per inch / 72, rounded) and a weight (400 regular, 700 bold), ANSI
// character set, default pitch, family and quality.

#include <windows.h>

#include <string_view>

#include "platform/win32/handles.h"

// The face is cut to the longest name a font description holds.
LOGFONTW DescribeFont(std::wstring_view face, int points, int weight, int pixelsPerInch);
// The same with the character height in pixels.
LOGFONTW DescribeFontOfHeight(std::wstring_view face, int pixelHeight, int weight);

// A font for dialog controls, at a resolution (dots per inch). The caller owns the font and
// deletes it after the dialog that uses it has ended.
UniqueFont CreateDialogFont(std::wstring_view face, int points, int weight, int dotsPerInch);
