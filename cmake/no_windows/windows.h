// Portable code must not reach the Windows API: only *_win32 sources may include it.
#error "windows.h included from portable code"
