#include "platform/win32/monitor_area.h"

namespace {

MonitorArea AreaOf(HMONITOR handle) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(handle, &monitor);
    const RECT& work = monitor.rcWork;
    return {{monitor.rcMonitor.left, monitor.rcMonitor.top},
            {work.left, work.top, work.right - work.left, work.bottom - work.top}};
}

}  // namespace

MonitorArea MonitorAreaOf(HWND window) {
    return AreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
}

MonitorArea MonitorAreaAt(const RECT& box) {
    return AreaOf(MonitorFromRect(&box, MONITOR_DEFAULTTONEAREST));
}
