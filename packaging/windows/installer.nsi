; Quorlin's Windows installer. It installs for the current user only, without
; administrator rights, into %LOCALAPPDATA%\Programs\Quorlin by default: the
; panel writes its ".conf" file beside itself, so its folder must be the
; user's own. make_packages.cmake builds it with these definitions:
;   VERSION     the program's version
;   STAGE       the installed runnable folder (cmake --install of the build)
;   REMOVE_LIST an include file that defines QUORLIN_REMOVE_FILES: one Delete
;               per file of STAGE, then one RMDir per folder, deepest first
;   ICON        the program's icon
;   OUTPUT      the setup file to write
;
; Command line (besides NSIS's own /S and /D=folder):
;   /NODE=NAME  also install KD-QUORLIN-NAME.exe, a copy of the panel for one
;               more node, with its own Start-menu entry "Quorlin NAME"
;
; The uninstaller removes what the installer put there and keeps the settings
; (HKCU\Software\VB and VBA Program Settings\KD_QUORLIN) and every ".conf"
; file, and with them the folder that holds one.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include nsDialogs.nsh
!include "${REMOVE_LIST}"

!define PROGRAM "KD-QUORLIN"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorlin"
; One value per named copy, its node name; the key goes with the Uninstall key.
!define COPIES_KEY "${UNINSTALL_KEY}\NamedCopies"
!define NODE_NAME_MAX_LENGTH 32

Name "Quorlin"
OutFile "${OUTPUT}"
InstallDir "$LOCALAPPDATA\Programs\Quorlin"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Var Node
Var NodeField

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}.exe"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Your settings and the $\".conf$\" files beside the panel are kept."
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
Page custom NodePage NodePageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Sets the error flag when $Node cannot name a copy: it becomes part of a file
; name, so only English letters, digits, '.', '_' and '-' (empty: no copy).
Function CheckNodeName
  ClearErrors
  ${StrFilter} "$Node" "12" "._-" "" $0
  StrLen $1 "$Node"
  ${If} $0 S!= "$Node"
  ${OrIf} $1 > ${NODE_NAME_MAX_LENGTH}
    SetErrors
  ${EndIf}
FunctionEnd

!define NODE_NAME_RULE "may hold only English letters, digits, '.', '_' and '-' (at most ${NODE_NAME_MAX_LENGTH}): it becomes part of the file name ${PROGRAM}-NAME.exe."

Function .onInit
  ${GetParameters} $0
  ${GetOptions} $0 "/NODE=" $Node
  Call CheckNodeName
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "The node name $\"$Node$\" given by /NODE= ${NODE_NAME_RULE}" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function NodePage
  !insertmacro MUI_HEADER_TEXT "Panel for one more node" "Optionally add a copy of the panel for another node."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 40u "Each copy of the panel keeps its own settings and its own $\".conf$\" file. To control one more node, give it a name (for example LTC): the installer adds ${PROGRAM}-LTC.exe and the Start-menu entry $\"Quorlin LTC$\". Leave the field empty to add no copy."
  Pop $0
  ${NSD_CreateText} 0 44u 50% 12u "$Node"
  Pop $NodeField
  ${NSD_SetFocus} $NodeField
  nsDialogs::Show
FunctionEnd

Function NodePageLeave
  ${NSD_GetText} $NodeField $Node
  Call CheckNodeName
  ${If} ${Errors}
    MessageBox MB_ICONEXCLAMATION "The node name ${NODE_NAME_RULE}"
    Abort
  ${EndIf}
FunctionEnd

Section "Quorlin (required)" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quorlin.lnk" "$INSTDIR\${PROGRAM}.exe"

  ; Every named copy, the earlier ones too, gets this version of the panel.
  ${If} $Node != ""
    WriteRegStr HKCU "${COPIES_KEY}" "$Node" "$Node"
  ${EndIf}
  StrCpy $0 0
  ${Do}
    EnumRegValue $1 HKCU "${COPIES_KEY}" $0
    ${IfThen} $1 == "" ${|} ${ExitDo} ${|}
    CopyFiles /SILENT "$INSTDIR\${PROGRAM}.exe" "$INSTDIR\${PROGRAM}-$1.exe"
    CreateShortcut "$SMPROGRAMS\Quorlin $1.lnk" "$INSTDIR\${PROGRAM}-$1.exe"
    IntOp $0 $0 + 1
  ${Loop}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorlin"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quorlin"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\""
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" /S"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Desktop shortcut" SectionDesktop
  CreateShortcut "$DESKTOP\Quorlin.lnk" "$INSTDIR\${PROGRAM}.exe"
  ${If} $Node != ""
    CreateShortcut "$DESKTOP\Quorlin $Node.lnk" "$INSTDIR\${PROGRAM}-$Node.exe"
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "The panel, the Qt libraries it runs on and its Start-menu entry."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "A shortcut to the panel (and to the named copy) on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  StrCpy $0 0
  ${Do}
    EnumRegValue $1 HKCU "${COPIES_KEY}" $0
    ${IfThen} $1 == "" ${|} ${ExitDo} ${|}
    Delete "$INSTDIR\${PROGRAM}-$1.exe"
    Delete "$SMPROGRAMS\Quorlin $1.lnk"
    Delete "$DESKTOP\Quorlin $1.lnk"
    IntOp $0 $0 + 1
  ${Loop}
  !insertmacro QUORLIN_REMOVE_FILES
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Quorlin.lnk"
  Delete "$DESKTOP\Quorlin.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Not /r: a folder that still holds a ".conf" file stays.
  RMDir "$INSTDIR"
SectionEnd
