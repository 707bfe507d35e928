#include "app/recovery/folder_win32.h"

#include "platform/win32/user_folders.h"

std::wstring RecoveryFolder() {
    return ProgramFolderIn(FOLDERID_LocalAppData);
}
