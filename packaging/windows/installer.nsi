; The installer of the Windows package, made by the build's windows-package target:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSOURCE=PACKAGE_FOLDER -DOUTFILE=SETUP.exe installer.nsi
; It installs for the user who runs it, without administrator rights (into
; %LOCALAPPDATA%\Programs, the Start menu of that user and the user's part of the registry),
; and /S installs silently into the default folder.
; A 64-bit installer, as the program is (and a Windows without 32-bit support, or Wine
; without it, runs it too).
Target amd64-unicode
!ifndef VERSION
  !error "VERSION is needed"
!endif
!ifndef SOURCE
  !error "SOURCE is needed"
!endif
!ifndef OUTFILE
  !error "OUTFILE is needed"
!endif

!define NAME "QORIX varázslók"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\qorix-wizards"

Name "${NAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1038 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1038 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1038 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1038 "FileDescription" "${NAME} telepítő"
VIAddVersionKey /LANG=1038 "LegalCopyright" "${NAME} fejlesztői"

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Hungarian"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\qorix-wizards.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qorix-wizards.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there: the folder may have been chosen with other files in it.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\assets"
  Delete "$INSTDIR\qorix-wizards.exe"
  Delete "$INSTDIR\qorix-wizards-cli.exe"
  Delete "$INSTDIR\qorix-standin.exe"
  Delete "$INSTDIR\Qt6Core.dll"
  Delete "$INSTDIR\Qt6Gui.dll"
  Delete "$INSTDIR\Qt6Widgets.dll"
  Delete "$INSTDIR\libstdc++-6.dll"
  Delete "$INSTDIR\libgcc_s_seh-1.dll"
  Delete "$INSTDIR\libwinpthread-1.dll"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
