// Entry of almanaque-exportar, the console program that writes print-ready pages.

#include <windows.h>

#include <thread>
#include <vector>

#include "calendar/calendar_choice_win32.h"
#include "export/export_run.h"
#include "export/page_writer_win32.h"
#include "export/standard_streams_win32.h"
#include "persistence/memorized_file_win32.h"

namespace {

MachineCapacity ThisMachine() {
    MachineCapacity machine{.Processors = std::thread::hardware_concurrency()};
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) machine.FreeMemoryBytes = memory.ullAvailPhys;
    return machine;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    StandardStreams console;
    const MemorizedDatesFile::Loaded memorized = UsersMemorizedDates().Load();
    if (memorized.SetAside) console.Failure(DamagedMemorizedDatesMessage(*memorized.SetAside));
    return RunExport(arguments, MakeGdiPageWriter, console, ThisMachine(),
                     {memorized.Dates, LoadCalendarChoice()});
}
