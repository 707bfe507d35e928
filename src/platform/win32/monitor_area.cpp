#include "platform/win32/monitor_area.h"

MonitorArea MonitorAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    return {{monitor.rcMonitor.left, monitor.rcMonitor.top},
            {work.left, work.top, work.right - work.left, work.bottom - work.top}};
}
