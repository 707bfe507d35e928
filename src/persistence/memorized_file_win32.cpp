#include "persistence/memorized_file_win32.h"

#include "platform/win32/user_folders.h"

MemorizedDatesFile UsersMemorizedDates() {
    return MemorizedDatesFile(ProgramFolderIn(FOLDERID_RoamingAppData));
}
