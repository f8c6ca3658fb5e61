; The installer of Velmira時計: per user, no administrator rights, Japanese
; with English for every other language. Built by CMake (target "installer")
; with -DIDENTITY, -DPROGRAM, -DREADME, -DLICENSE, -DICON and -DOUTFILE.
; Silent: setup.exe /S [/AUTOSTART] [/D=<dir>], Uninstall.exe /S [/REMOVESETTINGS].
Unicode true
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

; VERSION, PRODUCT_NAME, PUBLISHER, PROGRAM_NAME, STAGE_CLASS, SETTINGS_KEY,
; SETTINGS_PARENT_KEY and RUN_VALUE, made by CMake from CMakeLists.txt.
!include "${IDENTITY}"
!define EXE_NAME "${PROGRAM_NAME}.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PROGRAM_NAME}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PROGRAM_NAME}"
; A new version goes where the installed one is, so there is only one copy.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_NAME} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE_NAME}"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for users of any language not listed.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString SecProgramText ${LANG_ENGLISH} "${PRODUCT_NAME} (required)"
LangString SecProgramText ${LANG_JAPANESE} "${PRODUCT_NAME}（必須）"
LangString SecAutostartText ${LANG_ENGLISH} "Start her when I sign in"
LangString SecAutostartText ${LANG_JAPANESE} "サインインしたときに起動する"
LangString SecRemoveSettingsText ${LANG_ENGLISH} "Also delete her settings"
LangString SecRemoveSettingsText ${LANG_JAPANESE} "設定も削除する"
LangString ClosingText ${LANG_ENGLISH} "Closing the running ${PRODUCT_NAME}..."
LangString ClosingText ${LANG_JAPANESE} "起動中の${PRODUCT_NAME}を終了しています..."

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

; Asks a running copy to close as Windows would (WM_CLOSE, so she stores her
; settings) and waits until she is gone and her program file can be replaced.
!macro DEFINE_CLOSE_RUNNING UN
Function ${UN}CloseRunning
    FindWindow $0 "${STAGE_CLASS}"
    ${If} $0 = 0
        Return
    ${EndIf}
    DetailPrint "$(ClosingText)"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    StrCpy $1 0
    ${Do}
        FindWindow $0 "${STAGE_CLASS}"
        ${If} $0 = 0
            ClearErrors
            FileOpen $2 "$INSTDIR\${EXE_NAME}" a
            ${IfNot} ${Errors}
                FileClose $2
                ${Break}
            ${EndIf}
        ${EndIf}
        Sleep 100
        IntOp $1 $1 + 1
    ${LoopUntil} $1 >= 150
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING ""
!insertmacro DEFINE_CLOSE_RUNNING "un."

Section "$(SecProgramText)" SecProgram
    SectionIn RO
    Call CloseRunning
    SetOutPath "$INSTDIR"
    File "/oname=${EXE_NAME}" "${PROGRAM}"
    File "/oname=README.txt" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}.lnk" "$INSTDIR\${EXE_NAME}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; The next section writes it back when chosen.
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
SectionEnd

Section /o "$(SecAutostartText)" SecAutostart
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE_NAME}"'
SectionEnd

Function .onInit
    ; Unticked on a first install; an update keeps the choice made before.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/AUTOSTART" $2
    ${If} $0 != ""
    ${OrIfNot} ${Errors}
        !insertmacro SelectSection ${SecAutostart}
    ${EndIf}
FunctionEnd

Section "un.$(SecProgramText)" UnSecProgram
    SectionIn RO
    Call un.CloseRunning
    Delete "$INSTDIR\${EXE_NAME}"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only when empty: a SOUND_DATA folder of the user's own sounds stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(SecRemoveSettingsText)" UnSecSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT_KEY}"
SectionEnd

Function un.onInit
    ${un.GetParameters} $1
    ClearErrors
    ${un.GetOptions} $1 "/REMOVESETTINGS" $2
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${UnSecSettings}
    ${EndIf}
FunctionEnd
