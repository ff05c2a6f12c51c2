; Torvane's installer: per machine, for every user, as administrator.
; makensis -DVERSION=0.3.0 -DEXE=path\Torvane.exe -DOUTFILE=setup.exe -DARCH=x86|amd64
;          [-DSIGN=sign.sh -DUNINSTALLER_COPY=path\Uninstall.exe] installer.nsi
; The amd64 build exists only to run the tests where Wine runs 64-bit code only.
; scripts/make-installer.sh calls it with the build's signing script.

Unicode true
Target ${ARCH}-unicode
SetCompressor /SOLID lzma
!include LogicLib.nsh

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

Section
    SetOutPath "$INSTDIR"
    File "/oname=Torvane.exe" "${EXE}"
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
    Delete "$INSTDIR\Torvane.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Torvane.lnk"
    ; Windows must not try to start a program that is gone.
    DeleteRegValue HKLM "${RUN_KEY}" "Torvane"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Eliminare anche le impostazioni di Torvane?" /SD IDNO IDNO keep
        DeleteRegKey HKLM "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKLM "SOFTWARE\Merovi"
    keep:
SectionEnd
