; The MERIDOLA installer: every game that was built, each with its help file beside it and a
; Start-menu entry, and an uninstaller that removes exactly what was installed.
; makensis -DVERSION=1.00 -DSTAGE=<folder of the files> -DGAMES=<games.nsh> -DOUTFILE=<setup.exe>
; The players' saves (Documents\tavri) are never touched: the games write them, not this.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${GAMES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MERIDOLA"
!define MENU_FOLDER "$SMPROGRAMS\MERIDOLA"

Name "MERIDOLA"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\MERIDOLA"
InstallDirRegKey HKLM "Software\MERIDOLA" "InstallDir"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "MERIDOLA"
VIAddVersionKey /LANG=1033 "FileDescription" "MERIDOLA installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) the MERIDOLA developers"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

; One game: its program and help, and its Start-menu entries. The shortcut starts the game in
; the install folder, where it looks for its help.
!macro InstallGame NUMBER
  File "${STAGE}\Kv440${NUMBER}.exe"
  File "${STAGE}\Kv440${NUMBER}.chm"
  CreateShortCut "${MENU_FOLDER}\MERIDOLA No.${NUMBER}.lnk" "$INSTDIR\Kv440${NUMBER}.exe" "" \
                 "$INSTDIR\Kv440${NUMBER}.exe" 0
  CreateShortCut "${MENU_FOLDER}\MERIDOLA No.${NUMBER} Help.lnk" "$INSTDIR\Kv440${NUMBER}.chm"
!macroend

!macro RemoveGame NUMBER
  Delete "$INSTDIR\Kv440${NUMBER}.exe"
  Delete "$INSTDIR\Kv440${NUMBER}.chm"
  Delete "${MENU_FOLDER}\MERIDOLA No.${NUMBER}.lnk"
  Delete "${MENU_FOLDER}\MERIDOLA No.${NUMBER} Help.lnk"
!macroend

Section "MERIDOLA"
  SetShellVarContext all
  CreateDirectory "${MENU_FOLDER}"
  SetOutPath "$INSTDIR"
  !insertmacro InstallGames
  File "${STAGE}\README.txt"
  File "${STAGE}\README-ja.txt"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${MENU_FOLDER}\Uninstall MERIDOLA.lnk" "$INSTDIR\uninstall.exe"
  CreateShortCut "${MENU_FOLDER}\README.lnk" "$INSTDIR\README.txt"

  WriteRegStr HKLM "Software\MERIDOLA" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "MERIDOLA No.1 - No.7"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "MERIDOLA developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes the files by name and the folders only when empty, so nothing the installer did not
; put there goes with them.
Section "Uninstall"
  SetShellVarContext all
  !insertmacro RemoveGames
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\README-ja.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${MENU_FOLDER}\Uninstall MERIDOLA.lnk"
  Delete "${MENU_FOLDER}\README.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\MERIDOLA"
SectionEnd
