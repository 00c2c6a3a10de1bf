; Netvik's Windows installer. packaging/Release.cmake builds it with makensis
; for each Windows tree, defining:
;   ARCH         win32 (the x86 stub, ANSI like the program: every Windows the
;                32-bit program runs on) or win64 (the amd64 stub, the 64-bit
;                Program Files and registry)
;   VERSION      1.2.3, VERSION4 1.2.3.0
;   DESCRIPTION, PUBLISHER, COPYRIGHT
;   STAGE        the folder with Netvik.exe, README.txt and LICENSE.txt
;   ICON         the program's icon
;   OUTFILE      the installer to write
;
; Setup installs for all users (with administrator rights: Program Files,
; the Start menu's and Add/Remove Programs' entries of the machine) or for
; the user who runs it (no rights needed: the user's own programs folder,
; Start menu and Add/Remove Programs entry); it asks which, and defaults to
; what the user's rights allow, or to the mode of an earlier installation.
; Setup's command line: /S silent, /AllUsers or /CurrentUser the mode,
; /LOGON ticks "Start Netvik when I log on", /D=FOLDER (last) the folder.
; The uninstaller's: /S silent, /REMOVESETTINGS ticks "Remove Netvik's
; settings" (with the record of the connection). Setup over a running Netvik ends it, and starts the installed
; one when it is done.

!if "${ARCH}" == "win64"
  Target amd64-unicode
!else
  Target x86-ansi
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include WinVer.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Netvik"
; The program's own places: its settings, and its logon entry, which it
; writes under HKEY_LOCAL_MACHINE or, where that refuses, HKEY_CURRENT_USER.
!define SETTINGS_KEY "Software\Netvik"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Netvik"
!define MAIN_WINDOW_CLASS "NetvikMainWindow"

; For all users or for this user: administrators get the choice (and are
; asked for their rights), other users install for themselves. The
; uninstaller knows the mode by where it is (un.onInit).
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Netvik"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_NOUNINSTALL
!if "${ARCH}" == "win64"
  !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh

Name "Netvik"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
BrandingText "Netvik ${VERSION}"

Var WasRunning  ; setup found Netvik running and ended it
Var ForAllUsers ; the uninstaller's mode

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey "ProductName" "Netvik"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Netvik ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run Netvik"
!define MUI_FINISHPAGE_RUN_FUNCTION RunNetvik
; The licence asks for no agreement: its page is one to read, with Next.
!define MUI_PAGE_HEADER_TEXT "Licence"
!define MUI_PAGE_HEADER_SUBTEXT "Netvik's licence, for your information."
!define MUI_LICENSEPAGE_TEXT_TOP "Press Page Down to see the rest of the licence."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Netvik is yours to use under this licence; setup asks you to agree to nothing. Click Next to continue."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends every running Netvik: its main window's WM_CLOSE ends the program;
; each process gets 10 s to go. One that stays is reported (Retry/Cancel;
; a silent run cancels) and Cancel stops setup. $WasRunning tells whether
; there was one.
!macro CLOSE_NETVIK un
Function ${un}CloseNetvik
  Push $0
  Push $1
  Push $2
  Push $3
  StrCpy $3 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    ${If} $0 == $3
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Netvik is still running. Quit it from its tray menu, then choose Retry." /SD IDCANCEL IDRETRY retry
      Abort "Netvik is still running."
      retry:
      StrCpy $3 0
      ${Continue}
    ${EndIf}
    StrCpy $3 $0
    StrCpy $WasRunning 1
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2" ; SYNCHRONIZE
    System::Call "user32::PostMessage(p r0, i ${WM_CLOSE}, p 0, p 0)"
    ${If} $2 P<> 0
      System::Call "kernel32::WaitForSingleObject(p r2, i 10000)"
      System::Call "kernel32::CloseHandle(p r2)"
    ${Else}
      Sleep 2000
    ${EndIf}
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_NETVIK ""
!insertmacro CLOSE_NETVIK "un."

Section "Netvik" SecProgram
  SectionIn RO
  Call CloseNetvik
  SetOutPath "$INSTDIR"
  File "${STAGE}/Netvik.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The Start menu and Add/Remove Programs of the mode: the machine's
  ; (HKLM) for all users, the user's own (HKCU) for this user.
  CreateShortcut "$SMPROGRAMS\Netvik.lnk" "$INSTDIR\Netvik.exe" "" "$INSTDIR\Netvik.exe" 0 SW_SHOWNORMAL "" "${DESCRIPTION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Netvik"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Netvik.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; A Netvik that was running goes on running, now the installed one.
  ${If} $WasRunning == 1
    Call StartNetvik
  ${EndIf}
SectionEnd

; The same value the program's "Load Netvik at Windows startup" writes, for
; the user who installs: the program's own box then removes it again.
Section /o "Start Netvik when I log on" SecLogon
  StrCpy $0 "$INSTDIR\Netvik.exe"
  Push $0
  Call QuotedWhenBlank
  Pop $0
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" $0
SectionEnd

; Starts the installed Netvik. Where setup may run with an administrator's
; rights, the shell starts it, with the user's own.
Function StartNetvik
  ${If} ${AtLeastWinVista}
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\Netvik.exe"'
  ${Else}
    Exec '"$INSTDIR\Netvik.exe"'
  ${EndIf}
FunctionEnd

; The Finish page's "Run Netvik", unless setup has started it again already.
Function RunNetvik
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 == 0
    Call StartNetvik
  ${EndIf}
FunctionEnd

; A path as a command line: quoted when it holds a blank, as the program
; writes it.
Function QuotedWhenBlank
  Exch $0
  Push $1
  Push $2
  StrCpy $1 0
  ${Do}
    StrCpy $2 $0 1 $1
    ${If} $2 == ""
      ${Break}
    ${ElseIf} $2 == " "
      StrCpy $0 '"$0"'
      ${Break}
    ${EndIf}
    IntOp $1 $1 + 1
  ${Loop}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

Section "un.Netvik" SecUnProgram
  SectionIn RO
  Call un.CloseNetvik
  ; The logon entry wherever the program or setup may have written it; the
  ; machine's only when it is this copy's, or Netvik was there for all users.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ReadRegStr $0 HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $ForAllUsers == 1
  ${OrIf} $0 == "$INSTDIR\Netvik.exe"
  ${OrIf} $0 == '"$INSTDIR\Netvik.exe"'
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  Delete "$SMPROGRAMS\Netvik.lnk"
  Delete "$INSTDIR\Netvik.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; Netvik keeps its settings for the machine where it may, else for the user,
; and its record of the connection in the user's local application data
; (beside the program where the system has none).
Section /o "un.Remove Netvik's settings" SecUnSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  ; The record of the user who uninstalls, also when Netvik was there for
  ; all users.
  SetShellVarContext current
  ${If} $LOCALAPPDATA != ""
    Push "$LOCALAPPDATA\Netvik"
    Call un.RemoveHistory
  ${EndIf}
  ${If} $ForAllUsers == 1
    SetShellVarContext all
  ${EndIf}
  Push $INSTDIR
  Call un.RemoveHistory
SectionEnd

; Removes the record from the folder on the stack: the file, its older half
; after rotation and a rotation's scratch file; then the folder, when that
; leaves it empty.
Function un.RemoveHistory
  Exch $0
  Delete "$0\history.csv"
  Delete "$0\history.old.csv"
  Delete "$0\history.new"
  Delete "$0\latency.csv"
  Delete "$0\latency.old.csv"
  Delete "$0\latency.new"
  RMDir "$0"
  Pop $0
FunctionEnd

; The command line ticks sections (declared above).
Function .onInit
  !if "${ARCH}" == "win64"
    SetRegView 64
  !endif
  ; /D= names the folder whichever the mode.
  StrCpy $1 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $1 != ""
    StrCpy $INSTDIR $1
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LOGON" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecLogon} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; Installed for this user alone when the user's own Add/Remove Programs
; entry names this folder; else for all users, which needs an administrator.
Function un.onInit
  !if "${ARCH}" == "win64"
    SetRegView 64
  !endif
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext current
    StrCpy $ForAllUsers 0
  ${Else}
    SetShellVarContext all
    StrCpy $ForAllUsers 1
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "Netvik is installed for all users: removing it needs an administrator." /SD IDOK
      SetErrorLevel 5 ; access denied
      Quit
    ${EndIf}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecUnSettings} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
