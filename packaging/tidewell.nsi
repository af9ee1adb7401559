; The installer of Quorvex Tidewell, one script for both builds:
;   makensis -DARCH=x64|x86 -DBUILD_DIR=<build>/src/app -DOUT_DIR=<folder> tidewell.nsi
; BUILD_DIR holds Tidewell.exe, Help.chm and tidewell.ico of that build;
; WIZARD_BITMAP is the 164x314 picture of the welcome and finish pages.
; The version is read from Tidewell.exe's version resource; VERSION may be
; given to build an installer that claims another version (the upgrade test).

Unicode true
ManifestDPIAware true
; The stub imports comctl32, which is no KnownDLL: only the manifest's
; dependency on Common Controls 6 keeps Windows from taking a comctl32.dll
; planted beside the installer or the uninstaller. The stub loads its other
; DLLs from the system folder itself.
XPStyle on
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include nsDialogs.nsh
!include FileFunc.nsh
!include x64.nsh

!if "${ARCH}" != "x64"
!if "${ARCH}" != "x86"
!error "ARCH must be x64 or x86"
!endif
!endif

!getdllversion "${BUILD_DIR}/Tidewell.exe" PROGRAM_VERSION_
!ifndef VERSION
!define VERSION "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}"
!endif

!define PRODUCT "Quorvex Tidewell"
!define PUBLISHER "Quorvex Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program's own settings, in the registry view of its build.
!define SETTINGS_PARENT_KEY "Software\${PUBLISHER}"
!define SETTINGS_KEY "${SETTINGS_PARENT_KEY}\Tidewell"
!define SHORTCUT_NAME "${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUT_DIR}/Tidewell-${VERSION}-${ARCH}-setup.exe"
!if "${ARCH}" == "x64"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT} Setup (${ARCH})"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 LegalCopyright "Copyright (C) 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=1033 OriginalFilename "Tidewell-${VERSION}-${ARCH}-setup.exe"

; ---- Signing ----
; SIGN_SCRIPT (packaging/sign.sh) signs the uninstaller before it is packed
; into the installer, and then the installer itself.
!ifdef SIGN_SCRIPT
!uninstfinalize '"${SIGN_SCRIPT}" "%1"' = 0
!finalize '"${SIGN_SCRIPT}" "%1"' = 0
!endif

!define MUI_ICON "${BUILD_DIR}/tidewell.ico"
!define MUI_UNICON "${BUILD_DIR}/tidewell.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} on your computer.$\r$\n$\r$\nAn earlier version that is installed is replaced; the registry backups it made and its settings are kept.$\r$\n$\r$\nClick Next to continue."
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tidewell.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.BackupsPage un.BackupsPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English

!macro UseProgramView
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
  SetShellVarContext all
!macroend

Function .onInit
  !if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This is the installer for 64-bit Windows, and this Windows is 32-bit.$\r$\n$\r$\nPlease run Tidewell-${VERSION}-x86-setup.exe instead." /SD IDOK
      Abort
    ${EndIf}
  !endif
  !insertmacro UseProgramView
  ; An upgrade goes where the earlier version is, unless /D= chose a folder.
  !if "${ARCH}" == "x64"
    StrCmp $INSTDIR "$PROGRAMFILES64\${PRODUCT}" 0 done
  !else
    StrCmp $INSTDIR "$PROGRAMFILES\${PRODUCT}" 0 done
  !endif
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" InstallLocation
  StrCmp $0 "" done
  StrCpy $INSTDIR $0
  done:
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; Over an earlier version only these files are replaced; Backups beside
  ; them and the settings stay as they are.
  File "${BUILD_DIR}/Tidewell.exe"
  File "${BUILD_DIR}/Help.chm"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT_NAME}" "$INSTDIR\Tidewell.exe" "" "$INSTDIR\Tidewell.exe" 0
  ; An upgrade that leaves the desktop box unticked takes the old one away.
  Delete "$DESKTOP\${SHORTCUT_NAME}"
SectionEnd

Section "Desktop shortcut" SecDesktop
  CreateShortcut "$DESKTOP\${SHORTCUT_NAME}" "$INSTDIR\Tidewell.exe" "" "$INSTDIR\Tidewell.exe" 0
SectionEnd

; Last, so Programs and Features lists only an install that is complete.
Section "-Register"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\Tidewell.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ; Only the folder's own files, in KiB: the user's backups are not ours.
  ${GetSize} "$INSTDIR" "/M=*.* /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; ---- Uninstaller ----

Var RemoveBackupsBox
Var RemoveBackups

Function un.onInit
  !insertmacro UseProgramView
  StrCpy $RemoveBackups ${BST_UNCHECKED}
FunctionEnd

Function un.BackupsPage
  !insertmacro MUI_HEADER_TEXT "Uninstall ${PRODUCT}" "Remove ${PRODUCT} from your computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "${PRODUCT} will be removed from the following folder. Click Uninstall to start."
  ${NSD_CreateText} 0 28u 100% 12u "$INSTDIR"
  Pop $0
  SendMessage $0 ${EM_SETREADONLY} 1 0
  ${NSD_CreateLabel} 0 52u 100% 32u "Your registry backups, made before each change in the Backups folder there, are kept with the program's settings, so that you can still restore them."
  ${NSD_CreateCheckbox} 0 88u 100% 12u "Also remove my registry backups"
  Pop $RemoveBackupsBox
  ${NSD_SetState} $RemoveBackupsBox $RemoveBackups
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.BackupsPageLeave
  ${NSD_GetState} $RemoveBackupsBox $RemoveBackups
FunctionEnd

Section "Uninstall"
  ; A running program keeps its file: stop before anything else is gone.
  ClearErrors
  Delete "$INSTDIR\Tidewell.exe"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Tidewell.exe could not be removed. Close ${PRODUCT} and uninstall again." /SD IDOK
    Abort
  ${EndIf}
  Delete "$INSTDIR\Help.chm"
  Delete "$SMPROGRAMS\${SHORTCUT_NAME}"
  Delete "$DESKTOP\${SHORTCUT_NAME}"
  ${If} $RemoveBackups == ${BST_CHECKED}
    ; Only the backup files the program writes: anything else the user put
    ; there keeps its folder.
    Delete "$INSTDIR\Backups\RegClean\*.reg"
    Delete "$INSTDIR\Backups\Internet\*.reg"
    Delete "$INSTDIR\Backups\Startup\*.reg"
    Delete "$INSTDIR\Backups\Startup\*.lnkbackup"
    RMDir "$INSTDIR\Backups\RegClean"
    RMDir "$INSTDIR\Backups\Internet"
    RMDir "$INSTDIR\Backups\Startup"
    RMDir "$INSTDIR\Backups"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "${SETTINGS_PARENT_KEY}"
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
