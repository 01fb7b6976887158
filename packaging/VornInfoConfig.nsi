; The installer of Vorn Info Config: the suite's layout under Program Files, a
; Start-menu shortcut to VInfo.exe and an uninstaller in "Add or Remove Programs".
; Built by packaging/assemble.sh:
;   makensis -DVERSION=X.Y.Z -DSTAGE=<staged suite> -DLISTS=<file lists> -DSIZE_KB=N
;            -DICON=<VInfo.ico> -DOUTFILE=<setup.exe> VornInfoConfig.nsi
Unicode true
SetCompressor /SOLID lzma

!include "LogicLib.nsh"
!include "WinVer.nsh"

!define PRODUCT "Vorn Info Config"
!define PUBLISHER "Vorn Info Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VornInfoConfig"
!define MENU_FOLDER "$SMPROGRAMS\Vorn Info"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES\Vorn Info"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

LicenseData "${STAGE}/LICENSE.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  ; The runtime the program is built with needs Windows Vista.
  ${IfNot} ${AtLeastWinVista}
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs Windows Vista or later." /SD IDOK
    Abort
  ${EndIf}
  SetShellVarContext all
FunctionEnd

Section "${PRODUCT}"
  !include "${LISTS}/install-files.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\VInfo.exe" "" "$INSTDIR\VInfo.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\VInfo.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  ; The program writes its settings file and error log beside itself and the mail
  ; hand-over files into Vmail: let every user of the machine write there.
  nsExec::ExecToLog 'icacls "$INSTDIR\Config" /grant *S-1-5-32-545:(OI)(CI)M'
  Pop $0
  nsExec::ExecToLog 'icacls "$INSTDIR\Vmail" /grant *S-1-5-32-545:(OI)(CI)M'
  Pop $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  !include "${LISTS}/uninstall-files.nsh"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  RMDir "${MENU_FOLDER}"

  ; What the program wrote: kept unless the user says so (a silent uninstall keeps it).
  ${If} ${FileExists} "$INSTDIR\Config\VConfig.ini"
  ${OrIf} ${FileExists} "$INSTDIR\Config\ExcMagic.Log"
  ${OrIf} ${FileExists} "$INSTDIR\Vmail\report.txt"
  ${OrIf} ${FileExists} "$INSTDIR\Vmail\report.htm"
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove also your settings, the error log and the last report handed to the mail program?" /SD IDNO IDNO keep
    Delete "$INSTDIR\Config\VConfig.ini"
    Delete "$INSTDIR\Config\ExcMagic.Log"
    Delete "$INSTDIR\Vmail\report.txt"
    Delete "$INSTDIR\Vmail\report.htm"
    keep:
  ${EndIf}
  ; Only empty folders go: anything else the user put there stays.
  RMDir "$INSTDIR\Config"
  RMDir "$INSTDIR\Vmail"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
