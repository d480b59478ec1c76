; The Windows installer: per user, without administrator rights, in Chinese.
; scripts/package-windows runs makensis with VERSION, PROGRAMS (the folder with
; vapentis.exe, vapentis-calc.exe and 使用说明.txt), ICON, WELCOME_BITMAP (164 x 314)
; and HEADER_BITMAP (150 x 57), both 24-bit BMPs rendered at build time, and OUTFILE
; defined.
; 64-bit like the programs, which need a 64-bit Windows anyway.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "FileFunc.nsh"
!include "Integration.nsh"
!include "LogicLib.nsh"
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vapentis"
; The case file, opened by double-click: for this user only, as the rest.
!define CASE_EXTENSION_KEY "Software\Classes\.vapentis"
!define CASE_PROGID "Vapentis.Case"
!define CASE_PROGID_KEY "Software\Classes\${CASE_PROGID}"
!define CASE_CONTENT_TYPE "application/x-vapentis-case"
!define CASE_OPEN_COMMAND '"$INSTDIR\vapentis.exe" "%1"'

Name "Vapentis ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vapentis"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Ardelle"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The product's own pictures instead of NSIS's: the side panel of the welcome and
; finish pages, and the header, at the right as in Windows' own wizards. A picture
; the installer could not show stops the build instead of a warning (5040).
!pragma warning error 5040
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${HEADER_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\vapentis.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Vapentis"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "Ardelle"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Vapentis 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "© Ardelle"

Section "Vapentis 程序" SectionProgram
  SectionIn RO
  SetShellVarContext current
  ; A folder made to hold the installation (%LOCALAPPDATA%\Programs on a fresh
  ; account) goes again with it; one that was there stays.
  ${GetParent} "$INSTDIR" $0
  ${IfNot} ${FileExists} "$0\*.*"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "CreatedParentFolder" "$0"
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}/vapentis.exe"
  File "${PROGRAMS}/vapentis-calc.exe"
  File "${PROGRAMS}/使用说明.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vapentis.lnk" "$INSTDIR\vapentis.exe"

  ; The entry in the system's list of installed programs, for this user only.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vapentis ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Ardelle"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://www.ardelle.example"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vapentis.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  WriteRegStr HKCU "${CASE_EXTENSION_KEY}" "" "${CASE_PROGID}"
  WriteRegStr HKCU "${CASE_EXTENSION_KEY}" "Content Type" "${CASE_CONTENT_TYPE}"
  ; Keeps 打开方式 offering the program after another one takes the extension.
  WriteRegStr HKCU "${CASE_EXTENSION_KEY}\OpenWithProgids" "${CASE_PROGID}" ""
  WriteRegStr HKCU "${CASE_PROGID_KEY}" "" "Vapentis 算例"
  WriteRegStr HKCU "${CASE_PROGID_KEY}\DefaultIcon" "" "$INSTDIR\vapentis.exe,0"
  WriteRegStr HKCU "${CASE_PROGID_KEY}\shell" "" "open"
  WriteRegStr HKCU "${CASE_PROGID_KEY}\shell\open" "" "用Vapentis打开"
  WriteRegStr HKCU "${CASE_PROGID_KEY}\shell\open\command" "" '${CASE_OPEN_COMMAND}'
  ; Explorer shows the new icon and verb without a new sign-in.
  ${NotifyShell_AssocChanged}
SectionEnd

Section "桌面快捷方式" SectionDesktop
  SetShellVarContext current
  CreateShortcut "$DESKTOP\Vapentis.lnk" "$INSTDIR\vapentis.exe"
SectionEnd

; Removes only what the installer put there: a folder chosen by hand may hold
; other files, and they stay with the folder.
Section "Uninstall"
  SetShellVarContext current
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "CreatedParentFolder"
  Delete "$INSTDIR\vapentis.exe"
  Delete "$INSTDIR\vapentis-calc.exe"
  Delete "$INSTDIR\使用说明.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $0 != ""
    RMDir "$0"
  ${EndIf}
  Delete "$SMPROGRAMS\Vapentis.lnk"
  Delete "$DESKTOP\Vapentis.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The type goes only while it still opens this installation's program, and the
  ; extension only while it still names the type: another copy of Vapentis, or a
  ; program that took the extension since, keeps what it registered.
  ReadRegStr $1 HKCU "${CASE_PROGID_KEY}\shell\open\command" ""
  ${If} $1 == '${CASE_OPEN_COMMAND}'
    ReadRegStr $1 HKCU "${CASE_EXTENSION_KEY}" ""
    ${If} $1 == "${CASE_PROGID}"
      DeleteRegValue HKCU "${CASE_EXTENSION_KEY}" ""
      ReadRegStr $1 HKCU "${CASE_EXTENSION_KEY}" "Content Type"
      ${If} $1 == "${CASE_CONTENT_TYPE}"
        DeleteRegValue HKCU "${CASE_EXTENSION_KEY}" "Content Type"
      ${EndIf}
    ${EndIf}
    DeleteRegValue HKCU "${CASE_EXTENSION_KEY}\OpenWithProgids" "${CASE_PROGID}"
    DeleteRegKey /ifnosubkeys /ifnovalues HKCU "${CASE_EXTENSION_KEY}\OpenWithProgids"
    DeleteRegKey /ifnosubkeys /ifnovalues HKCU "${CASE_EXTENSION_KEY}"
    DeleteRegKey HKCU "${CASE_PROGID_KEY}"
  ${EndIf}
  ${NotifyShell_AssocChanged}
SectionEnd
