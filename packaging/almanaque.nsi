; The per-user installer of Almanaque, built on Linux by make_dist with makensis, which defines
; VERSION, STAGE (the folder of the files the release ships), RELEASE_FILES (the macros that
; copy and remove exactly those files), ICON and OUTFILE, and SIGN (the command that signs a
; program given its path) when the release is signed.
; It needs no administrator rights: everything goes under the user's own folders and HKCU.

Unicode true
!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"'
    !finalize '"${SIGN}" "%1"'
!endif
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include "${RELEASE_FILES}"

!define PROGRAM_EXE "almanaque.exe"
!define UNINSTALLER "desinstalar.exe"
!define PUBLISHER "Los autores de Almanaque"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Almanaque"
!define CLASSES "Software\Classes"
; What the installer registers for ".vrel"; the program's start-up check finds this open command
; in the user's classes and then writes nothing of its own.
!define OPEN_COMMAND '"$INSTDIR\${PROGRAM_EXE}" "%1"'
!define SHCNE_ASSOCCHANGED 0x08000000

Name "Almanaque"
Caption "Almanaque ${VERSION}"
BrandingText "Almanaque ${VERSION}"
OutFile "${OUTFILE}"
; An install over an earlier one goes where that one is.
InstallDir "$LOCALAPPDATA\Programs\Almanaque"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Almanaque"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Instalador de Almanaque"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) 2026 los autores de Almanaque. Licencia MIT."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Abrir Almanaque"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Spanish"

Section "Almanaque" ProgramSection
    SectionIn RO
    ; Also the working folder of the shortcuts, where the program finds "apple.ico" by name.
    SetOutPath "$INSTDIR"
    !insertmacro InstallReleaseFiles
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortCut "$SMPROGRAMS\Almanaque.lnk" "$INSTDIR\${PROGRAM_EXE}"

    WriteRegStr HKCU "${CLASSES}\.vrel" "" "vrel-files"
    ; "Abrir con" lists the program even once the user has chosen another one for ".vrel".
    WriteRegStr HKCU "${CLASSES}\.vrel\OpenWithProgids" "vrel-files" ""
    WriteRegStr HKCU "${CLASSES}\vrel-files" "" "Hoja de Almanaque"
    WriteRegStr HKCU "${CLASSES}\vrel-files\DefaultIcon" "" '"$INSTDIR\${PROGRAM_EXE}",0'
    WriteRegStr HKCU "${CLASSES}\vrel-files\shell\open\command" "" '${OPEN_COMMAND}'
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Almanaque"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    SectionGetSize ${ProgramSection} $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Acceso directo en el escritorio" DesktopSection
    SetOutPath "$INSTDIR"
    CreateShortCut "$DESKTOP\Almanaque.lnk" "$INSTDIR\${PROGRAM_EXE}"
SectionEnd

Function StartProgram
    SetOutPath "$INSTDIR"
    Exec '"$INSTDIR\${PROGRAM_EXE}"'
FunctionEnd

; Removes what the installer put there and nothing else: files the user made in the folder
; (work files, exported images, icons) stay, and so does the folder while it holds them.
Section "Uninstall"
    !insertmacro RemoveReleaseFiles
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Almanaque.lnk"
    Delete "$DESKTOP\Almanaque.lnk"

    ; The association goes only while it still opens this program.
    ReadRegStr $0 HKCU "${CLASSES}\vrel-files\shell\open\command" ""
    ${If} $0 == '${OPEN_COMMAND}'
        DeleteRegKey HKCU "${CLASSES}\vrel-files"
        DeleteRegValue HKCU "${CLASSES}\.vrel\OpenWithProgids" "vrel-files"
        DeleteRegKey /ifempty HKCU "${CLASSES}\.vrel\OpenWithProgids"
        ReadRegStr $1 HKCU "${CLASSES}\.vrel" ""
        ${If} $1 == "vrel-files"
            DeleteRegKey HKCU "${CLASSES}\.vrel"
        ${EndIf}
        System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
    ${EndIf}

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
