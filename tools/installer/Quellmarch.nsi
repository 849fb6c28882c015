; The setup program of Quellmarch, made by tools/package.sh from the very
; files it zips:
;   makensis -DVERSION=<x.y.z> -DSTAGE=<package folder> -DOUTFILE=<setup.exe> Quellmarch.nsi
; It installs for every user of the machine (administrators only) and writes
; an uninstaller that removes what it installed, the Start-with-Windows
; entries of the installed exe and the program's settings key.
;
; ANSI, not Unicode: only an ANSI installer runs on Windows 95, 98 and ME,
; the oldest systems the program itself supports.
Unicode false
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!ifndef VERSION | STAGE | OUTFILE
  !error "define VERSION, STAGE and OUTFILE (tools/package.sh does)"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinVer.nsh

!define PRODUCT "Quellmarch"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellmarch"
; What the program itself keeps in the registry.
!define SETTINGS_KEY "Software\Quellmarch"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_SLOTS 40
; The program's hidden tray window: one per running instance. A close request
; to it ends the instance the way the tray's "Shutdown Quellmarch" does.
!define TRAY_CLASS "QuellmarchForm"
!define TRAY_CAPTION "Tray Icon"
; How long a running instance gets to end after the close request; it may
; first ask its user whether to save changes.
!define CLOSE_WAIT_MS 10000

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}.0"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" ""

; makensis works in this folder.
!define MUI_ICON "../../res/tray_on.ico"
!define MUI_UNICON "../../res/tray_off.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup installs ${PRODUCT} ${VERSION} for every user of this computer: the program, its help file and an example configuration, with a folder in the Start menu.$\r$\n$\r$\nA ${PRODUCT} still running from an earlier installation is asked to shut down first. Configuration files of yours stay as they are.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\ReadMe.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var InstalledExe       ; $INSTDIR\Quellmarch.exe
Var InstalledExeShort  ; its 8.3 form, as a program started by it may report it
Var Found         ; scratch of the functions below

; --- Shared by setup and uninstaller -------------------------------------

!macro SHARED_FUNCTIONS un
; Administrators only: the files go under Program Files for every user, and
; the program's settings and start entries live under HKEY_LOCAL_MACHINE.
; Windows 95/98/ME have no such rights, and the plug-in that asks needs
; security functions they lack.
Function ${un}RequireAdmin
  ${IfNot} ${IsNT}
    Return
  ${EndIf}
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Only an administrator can install or remove ${PRODUCT}." /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
FunctionEnd

Function ${un}RememberExePath
  StrCpy $InstalledExe "$INSTDIR\Quellmarch.exe"
  ClearErrors
  GetFullPathName /SHORT $InstalledExeShort $InstalledExe
  ${If} ${Errors}
    StrCpy $InstalledExeShort $InstalledExe
  ${EndIf}
FunctionEnd

; Is the process of window $0 the installed exe? Sets $Found to the process
; handle (to wait on) when it is, to 0 when it is another copy. A process
; whose file cannot be read (Windows 95/98 have no psapi.dll) counts as ours:
; better to ask one copy too many to close than to replace a running file.
Function ${un}OpenIfInstalled
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
  ; SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ
  System::Call 'kernel32::OpenProcess(i 0x100410, i 0, i r1) p .r2'
  ${If} $2 P= 0
    ; SYNCHRONIZE alone, to wait on it at least.
    System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r1) p .r2'
    StrCpy $Found $2
    Return
  ${EndIf}
  StrCpy $3 ""
  System::Call 'psapi::GetModuleFileNameExA(p r2, p 0, t .r3, i ${NSIS_MAX_STRLEN}) i .r4'
  StrCpy $Found $2
  ${If} $3 != ""
  ${AndIf} $3 != $InstalledExe
  ${AndIf} $3 != $InstalledExeShort
    System::Call 'kernel32::CloseHandle(p r2)'
    StrCpy $Found 0
  ${EndIf}
FunctionEnd

; Asks every running instance of the installed exe to shut down and waits for
; them; sets $Found to the number still running afterwards.
Function ${un}CloseInstances
  Push 0 ; end of the handles
  StrCpy $0 0
  ${Do}
    FindWindow $0 "${TRAY_CLASS}" "${TRAY_CAPTION}" "" $0
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    Call ${un}OpenIfInstalled
    ${If} $Found P<> 0
      Push $Found
      DetailPrint "Asking ${PRODUCT} (process $1) to shut down"
      System::Call 'user32::PostMessageA(p r0, i ${WM_CLOSE}, p 0, p 0)'
    ${EndIf}
  ${Loop}
  System::Call 'kernel32::GetTickCount() i .r5'
  IntOp $5 $5 + ${CLOSE_WAIT_MS}
  StrCpy $6 0
  ${Do}
    Pop $2
    ${If} $2 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::GetTickCount() i .r4'
    IntOp $4 $5 - $4
    ${If} $4 < 0
      StrCpy $4 0
    ${EndIf}
    System::Call 'kernel32::WaitForSingleObject(p r2, i r4) i .r3'
    ${If} $3 <> 0 ; not WAIT_OBJECT_0: it still runs
      IntOp $6 $6 + 1
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r2)'
  ${Loop}
  StrCpy $Found $6
FunctionEnd

; Stops the setup or the uninstaller while an instance of the installed exe
; still runs: its file cannot be replaced or removed, and it would write its
; settings back after they were removed.
Function ${un}EnsureNoInstance
  Call ${un}RememberExePath
  ${Do}
    Call ${un}CloseInstances
    ${If} $Found = 0
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is still running from $INSTDIR.$\r$\n$\r$\nShut it down with $\"Shutdown ${PRODUCT}$\" in its tray menu, then choose Retry." \
      /SD IDCANCEL IDRETRY +2
    ${Break}
  ${Loop}
  SetErrorLevel 3
  Abort "${PRODUCT} is still running from $INSTDIR; nothing was changed."
FunctionEnd

; The size and last-write time of a file, "size high low", in $Found; empty
; when the file is missing. The program saves a file by writing a new one, so
; a saved example never keeps the stamp it was installed with.
Function ${un}FileStamp
  Exch $0
  StrCpy $Found ""
  ClearErrors
  GetFileTime $0 $1 $2
  ${IfNot} ${Errors}
    FileOpen $3 $0 r
    ${IfNot} ${Errors}
      FileSeek $3 0 END $4
      FileClose $3
      StrCpy $Found "$4 $1 $2"
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

!macro FileStamp path
  Push "${path}"
  !ifdef __UNINSTALL__
    Call un.FileStamp
  !else
    Call FileStamp
  !endif
!macroend

; --- Setup ----------------------------------------------------------------

Function .onInit
  SetShellVarContext all
  Call RequireAdmin
FunctionEnd

Section "-Quellmarch" SecMain
  Call EnsureNoInstance

  SetOutPath "$INSTDIR"
  File "${STAGE}/Quellmarch.exe"
  File "${STAGE}/QuellmarchHelp.chm"
  File "${STAGE}/ReleaseNotes.txt"
  File "${STAGE}/ReadMe.txt"

  ; The example is ours while it is as a setup left it; once changed, it is
  ; the user's configuration and stays as it is.
  SetOutPath "$INSTDIR\ConfigurationFiles"
  StrCpy $8 "$INSTDIR\ConfigurationFiles\Example.qmf"
  ReadRegStr $9 HKLM "${UNINSTALL_KEY}" "ExampleStamp"
  !insertmacro FileStamp $8
  ${If} $Found == ""
  ${OrIf} $Found == $9
    File "${STAGE}/ConfigurationFiles/Example.qmf"
    !insertmacro FileStamp $8
    StrCpy $9 $Found
  ${Else}
    DetailPrint "Kept your changed $8"
    StrCpy $9 ""
  ${EndIf}

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The program takes everything after its name as the file name, quotes
  ; included, so the example's path goes unquoted.
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Quellmarch.exe" \
    "$INSTDIR\ConfigurationFiles\Example.qmf" "$INSTDIR\Quellmarch.exe" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\QuellmarchHelp.chm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quellmarch.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  ${If} $9 == ""
    DeleteRegValue HKLM "${UNINSTALL_KEY}" "ExampleStamp"
  ${Else}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "ExampleStamp" $9
  ${EndIf}
SectionEnd

; --- Uninstaller ----------------------------------------------------------

Var OwnFiles      ; the user's configuration files left in the folder
Var OwnCount

Function un.onInit
  SetShellVarContext all
  Call un.RequireAdmin
FunctionEnd

; ${Locate} callback: notes one configuration file of the user's.
Function un.NoteOwnFile
  StrLen $1 "$INSTDIR\"
  StrCpy $0 $R9 "" $1
  StrCpy $OwnFiles "$OwnFiles$\r$\n    $0"
  IntOp $OwnCount $OwnCount + 1
  Push $0
FunctionEnd

Function un.DeleteOwnFile
  Delete $R9
  Push $0
FunctionEnd

; Removes every start entry whose command starts the installed exe: the
; program writes the exe's path in quotes, in the letter case Windows gave it.
Function un.RemoveRunEntries
  StrLen $3 '"$InstalledExe"'
  StrLen $4 '"$InstalledExeShort"'
  ${For} $1 1 ${RUN_SLOTS}
    ReadRegStr $0 HKLM "${RUN_KEY}" "Quellmarch$1"
    StrCpy $2 $0 $3
    StrCpy $5 $0 $4
    ${If} $2 == '"$InstalledExe"'
    ${OrIf} $5 == '"$InstalledExeShort"'
      DeleteRegValue HKLM "${RUN_KEY}" "Quellmarch$1"
      DetailPrint "Removed the start entry Quellmarch$1: $0"
    ${EndIf}
  ${Next}
FunctionEnd

Section "Uninstall"
  Call un.EnsureNoInstance
  Call un.RemoveRunEntries
  DeleteRegKey HKLM "${SETTINGS_KEY}"

  ; An example the user has changed is one of the user's files.
  StrCpy $8 "$INSTDIR\ConfigurationFiles\Example.qmf"
  ReadRegStr $9 HKLM "${UNINSTALL_KEY}" "ExampleStamp"
  !insertmacro FileStamp $8
  ${If} $Found != ""
  ${AndIf} $Found == $9
    Delete $8
  ${EndIf}
  ; An instance that has just shut down may hold its file a moment longer.
  ${For} $0 1 10
    ClearErrors
    Delete "$INSTDIR\Quellmarch.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    Sleep 200
  ${Next}
  Delete "$INSTDIR\QuellmarchHelp.chm"
  Delete "$INSTDIR\ReleaseNotes.txt"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\Uninstall.exe"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The user's own configurations go only with the user's consent; a silent
  ; uninstall keeps them.
  StrCpy $OwnFiles ""
  StrCpy $OwnCount 0
  ${Locate} "$INSTDIR" "/L=F /M=*.qmf" un.NoteOwnFile
  ${If} $OwnCount > 0
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Configuration files of yours are still in the ${PRODUCT} folder:$\r$\n$OwnFiles$\r$\n$\r$\nRemove them too? With No they stay in$\r$\n$INSTDIR." \
      /SD IDNO IDNO keep
    ${Locate} "$INSTDIR" "/L=F /M=*.qmf" un.DeleteOwnFile
    keep:
  ${EndIf}
  RMDir "$INSTDIR\ConfigurationFiles"
  RMDir "$INSTDIR"
SectionEnd
