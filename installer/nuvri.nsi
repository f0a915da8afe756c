; The setup program of Nuvri福利视频播放器, made by installer/CMakeLists.txt:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.2.3 -DPROGRAM=nuvri.exe -DICON=nuvri.ico
;            -DOUTFILE=nuvri-1.2.3-setup.exe [-DLICENSE=LICENSE.txt] [-DX64] nuvri.nsi
; It installs for every user of the machine: the program, a Start-menu shortcut
; (a desktop one if chosen), the uninstaller and its entry in Apps / Programs and
; Features. /S installs silently; /D=DIR (last, unquoted) installs elsewhere.
; With X64 the setup is itself a 64-bit program that installs the 64-bit
; program, for 64-bit Windows only.
Unicode true
!ifdef X64
    Target amd64-unicode
!endif
; No copyright line in the version information: the project names no holder.
!pragma warning disable 9100
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define PRODUCT "Nuvri福利视频播放器"
!define PUBLISHER "Nuvri"
!define SHORTCUT "${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Nuvri"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef X64
    InstallDir "$PROGRAMFILES64\Nuvri"
!else
    ; A 32-bit program: on 64-bit Windows this is "Program Files (x86)".
    InstallDir "$PROGRAMFILES\Nuvri"
!endif
; An update goes where the last install went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!ifdef LICENSE
    !insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!endif
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Without a language dialog the system's language is taken when it is one of
; these, else the first.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString SectionDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SectionDesktop ${LANG_SIMPCHINESE} "桌面快捷方式"

LangString ProgramRunning ${LANG_ENGLISH} "${PRODUCT} is running. Close it and click Retry."
LangString ProgramRunning ${LANG_SIMPCHINESE} "${PRODUCT}正在运行。请关闭它，然后点“重试”。"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"

; A running program keeps its file: neither the setup nor the uninstaller may
; start then, or they would end half done (silently: they end with an error).
; The class is the main window's (src/win32/top_level_window.cpp).
!macro WAIT_UNTIL_THE_PROGRAM_IS_CLOSED
    retry:
    FindWindow $0 "NuvriTopLevelWindow"
    StrCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
    Abort
    closed:
!macroend

; The 64-bit program's entry lives in the registry's 64-bit view.
!macro USE_THE_PROGRAMS_REGISTRY_VIEW
    !ifdef X64
        SetRegView 64
    !endif
!macroend

Function .onInit
    !insertmacro USE_THE_PROGRAMS_REGISTRY_VIEW
    !insertmacro WAIT_UNTIL_THE_PROGRAM_IS_CLOSED
FunctionEnd

Function un.onInit
    !insertmacro USE_THE_PROGRAMS_REGISTRY_VIEW
    !insertmacro WAIT_UNTIL_THE_PROGRAM_IS_CLOSED
FunctionEnd

Section "!${PRODUCT}" SectionProgram
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=nuvri.exe" "${PROGRAM}"
    !ifdef LICENSE
        File "/oname=LICENSE.txt" "${LICENSE}"
    !endif
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\nuvri.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\nuvri.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SectionDesktop)" SectionDesktop
    SetShellVarContext all
    CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\nuvri.exe"
SectionEnd

; Only what the setup put there goes: a folder the user chose keeps whatever
; else it holds (RMDir without /r removes it only when empty).
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${SHORTCUT}"
    Delete "$DESKTOP\${SHORTCUT}"
    Delete "$INSTDIR\nuvri.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
