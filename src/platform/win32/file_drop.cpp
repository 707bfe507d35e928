#include "platform/win32/file_drop.h"

#include <shellapi.h>

#include <initializer_list>

namespace {

// WM_COPYGLOBALDATA, which carries the names of the files dropped and which the headers do not
// name.
constexpr UINT CopyGlobalData = 0x0049;

}  // namespace

void AcceptDroppedFiles(HWND window) {
    DragAcceptFiles(window, TRUE);
    // Run as administrator, the program would never hear of a drop from Explorer, which runs
    // with less privilege: User Interface Privilege Isolation holds its messages back unless the
    // window lets them through (ChangeWindowMessageFilterEx, MSGFLT_ALLOW).
    for (const UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, CopyGlobalData})
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}
