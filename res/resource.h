#pragma once
// Identifiers of the program's resources, shared by almanaque.rc and the code that loads them.

#define PROGRAM_ICON_ID 200
