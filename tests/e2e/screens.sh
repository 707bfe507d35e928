#!/usr/bin/env bash
# The cases that need a screen of another size or resolution, one after the other in one Wine
# prefix of their own: screens.sh WINE_ENV E2E_TESTS WIN32_TESTS
source "$1"
trap wine_env_stop EXIT
status=0
on() { wine_env_screen "$1" "$2"; wine "$3" --gtest_filter="$4" </dev/null || status=1; }
wine_env_start
on 1366x768 96 "$2" 'SmallScreen.*'
on 1280x720 96 "$2" 'SmallScreen.*'
on 3840x2160 144 "$2" 'LargeScreen.*'
for dpi in 120 144 192; do on 1920x1080 "$dpi" "$3" 'DayEditorOnScreen.*'; done
exit "$status"
