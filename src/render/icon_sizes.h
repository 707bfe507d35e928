#pragma once
// The size an icon is read at for a printer: one the icon file offers, so that its own pixels
// go to the printer, which scales them onto the page, rather than a copy the system enlarged.

#include <cstdint>
#include <vector>

// An .ico file's directory holds the count of its images and, for each, its width and height
// in pixels (a byte each; 0 means 256). Given the file's first bytes, the size for a square of
// `wanted` pixels: the smallest square image at least that large, else the largest square one;
// `wanted` itself when the bytes hold no such directory or no square image.
int IconLoadSize(const std::vector<std::uint8_t>& fileStart, int wanted);

// How many of the file's first bytes hold the largest possible directory.
inline constexpr std::size_t IconDirectoryBytes = 6 + 16 * 65535;
