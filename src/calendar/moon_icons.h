#pragma once

#include <string_view>

// The icon files of the principal phases of the moon, found beside the program, in the phases'
// order: new moon, first quarter, full moon, last quarter.
inline constexpr std::string_view MoonIconFiles[4] = {"luna-nueva.ico", "cuarto-creciente.ico",
                                                      "luna-llena.ico", "cuarto-menguante.ico"};
