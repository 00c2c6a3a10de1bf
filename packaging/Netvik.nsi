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
; Setup's command line: /S silent, /LOGON ticks "Start Netvik when I log on",
; /D=FOLDER (last) the folder. The uninstaller's: /S silent,
; /REMOVESETTINGS ticks "Remove Netvik's settings".

!if "${ARCH}" == "win64"
  Target amd64-unicode
!else
  Target x86-ansi
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Netvik"
; The program's own places: its settings, and its logon entry, which it
; writes under HKEY_LOCAL_MACHINE or, where that refuses, HKEY_CURRENT_USER.
!define SETTINGS_KEY "Software\Netvik"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Netvik"
!define MAIN_WINDOW_CLASS "NetvikMainWindow"

Name "Netvik"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
BrandingText "Netvik ${VERSION}"
!if "${ARCH}" == "win64"
  InstallDir "$PROGRAMFILES64\Netvik"
!else
  InstallDir "$PROGRAMFILES\Netvik"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

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
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
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
; a silent run cancels) and Cancel stops setup.
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

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Netvik.lnk" "$INSTDIR\Netvik.exe" "" "$INSTDIR\Netvik.exe" 0 SW_SHOWNORMAL "" "${DESCRIPTION}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Netvik"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Netvik.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
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
  ; The logon entry wherever the program or setup may have written it.
  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Netvik.lnk"
  Delete "$INSTDIR\Netvik.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Remove Netvik's settings" SecUnSettings
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

; The command line ticks sections (declared above).
Function .onInit
  !if "${ARCH}" == "win64"
    SetRegView 64
  !endif
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LOGON" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecLogon} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Function un.onInit
  !if "${ARCH}" == "win64"
    SetRegView 64
  !endif
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecUnSettings} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
