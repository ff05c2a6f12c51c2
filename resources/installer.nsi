; Torvane's installer: per machine, for every user, as administrator.
; makensis -DVERSION=0.3.0 -DEXE=path\Torvane.exe -DOUTFILE=setup.exe -DARCH=x86|amd64
;          [-DSIGN=sign.sh -DUNINSTALLER_COPY=path\Uninstall.exe] installer.nsi
; The amd64 build exists only to run the tests where Wine runs 64-bit code only.
; scripts/make-installer.sh calls it with the build's signing script.

Unicode true
Target ${ARCH}-unicode
SetCompressor /SOLID lzma
!include LogicLib.nsh
!include WinMessages.nsh

Name "Torvane ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin

; The uninstaller is made here and packed whole, so it is signed before it is
; packed, and the installer once written. SIGN signs only where the build has
; a certificate; UNINSTALLER_COPY keeps the uninstaller for checking.
!ifdef SIGN
    !uninstfinalize 'bash "${SIGN}" "%1" "${UNINSTALLER_COPY}"' = 0
    !finalize 'bash "${SIGN}" "%1"' = 0
!endif

!if ${ARCH} == amd64
InstallDir "$PROGRAMFILES64\Torvane"
!else
InstallDir "$PROGRAMFILES\Torvane"
!endif
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Italian.nlf"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1040 "ProductName" "Torvane"
VIAddVersionKey /LANG=1040 "CompanyName" "Quennavo"
VIAddVersionKey /LANG=1040 "LegalCopyright" "Quennavo"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di Torvane"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane"
!define SETTINGS_KEY "SOFTWARE\Merovi\Torvane"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The registry view is the program's own: the 32-bit one for the 32-bit program.
!macro Machine
    SetShellVarContext all
    !if ${ARCH} == amd64
        SetRegView 64
    !endif
!macroend

Function .onInit
    !insertmacro Machine
FunctionEnd

Function un.onInit
    !insertmacro Machine
FunctionEnd

; The panels running on this desktop end on a close request, without a
; question. One that does not answer is given a second, and is then left to
; the file's move aside.
!macro ClosePanels UN
Function ${UN}ClosePanels
    StrCpy $1 0
    ${Do}
        FindWindow $0 "TorvaneFrmTorvane"
        ${If} $0 = 0
        ${OrIf} $1 >= 10
            ${Break}
        ${EndIf}
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
        Sleep 200
        IntOp $1 $1 + 1
    ${Loop}
FunctionEnd
!macroend
!insertmacro ClosePanels ""
!insertmacro ClosePanels "un."

; A program still running (a panel of another user's session) cannot be
; replaced or deleted, but can be renamed: it is moved aside and removed at
; the next restart, and the new one is what starts next.
!macro MoveAside UN
Function ${UN}MoveAside
    Delete "$INSTDIR\Torvane.exe"
    ${If} ${FileExists} "$INSTDIR\Torvane.exe"
        GetTempFileName $0 "$INSTDIR"
        Delete $0
        Rename "$INSTDIR\Torvane.exe" $0
        Delete /REBOOTOK $0
    ${EndIf}
FunctionEnd
!macroend
!insertmacro MoveAside ""
!insertmacro MoveAside "un."

Section
    SetOutPath "$INSTDIR"
    Call ClosePanels
    Call MoveAside
    ; Nothing is recorded for a program that is not in place.
    SetOverwrite try
    ClearErrors
    File "/oname=Torvane.exe" "${EXE}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Impossibile sostituire $INSTDIR\Torvane.exe: chiudere Torvane e riprovare." /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Torvane.lnk" "$INSTDIR\Torvane.exe"

    ; What a standard user's first start could not write under HKLM.
    ClearErrors
    ReadRegStr $0 HKLM "${SETTINGS_KEY}" "Esegui"
    ${If} ${Errors}
        WriteRegStr HKLM "${SETTINGS_KEY}" "" ""
        WriteRegStr HKLM "${SETTINGS_KEY}" "Esegui" "NoAdminDefault"
    ${EndIf}
    ClearErrors
    ReadRegStr $0 HKLM "${RUN_KEY}" "Torvane"
    ${If} ${Errors}
        WriteRegStr HKLM "${RUN_KEY}" "Torvane" ""
    ${EndIf}

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Torvane"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quennavo"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Torvane.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Call un.ClosePanels
    Call un.MoveAside
    ; Programs an update moved aside, once they have ended.
    Delete "$INSTDIR\*.tmp"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    Delete "$SMPROGRAMS\Torvane.lnk"
    ; Windows must not try to start a program that is gone.
    DeleteRegValue HKLM "${RUN_KEY}" "Torvane"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Eliminare anche le impostazioni di Torvane?" /SD IDNO IDNO keep
        DeleteRegKey HKLM "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKLM "SOFTWARE\Merovi"
    keep:
SectionEnd
