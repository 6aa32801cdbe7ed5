; The Windows edition's installer, made on Debian by NSIS's makensis when the edition is built
; (windows/CMakeLists.txt). For one user, with no administrator asked: the game goes into the
; user's own programs folder, with an entry in the Start menu and one for its manual, a shortcut on the desktop only if
; asked, and an entry in Windows' list of installed apps whose uninstaller leaves nothing behind.
; Two pages, each of standard controls that a screen reader reads (a text, two check boxes, the
; buttons; then the progress), in the system's language among the game's four. /S installs
; silently (/DESKTOP also puts the shortcut on the desktop); "Uninstall.exe /S" uninstalls so.
;   makensis -DSTAGED=DIR -DOUTFILE=FILE -DVERSION=X.Y.Z -DICON=FILE.ico -DTEXTS=FILE.nsh installer.nsi
Unicode true
; A 64-bit installer, as the game is: a 64-bit Windows runs it without its 32-bit layer.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"
!include "WinMessages.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TINTINEABLES"

Name "TINTINEABLES"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\TINTINEABLES"
BrandingText "TINTINEABLES ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow
; Once installed, the installer closes by itself (and opens the game, if asked).
AutoCloseWindow true

; Spanish first: the language of a system that speaks none of the four, as in the game.
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Spanish.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\PortugueseBR.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\French.nlf"
; introText, desktopText, startText, manualName, uninstallText in each language, from the game's
; translations.
!include "${TEXTS}"
; The manual in the installer's language.
LangString manualFile ${LANG_SPANISH} "es.html"
LangString manualFile ${LANG_ENGLISH} "en.html"
LangString manualFile ${LANG_PORTUGUESEBR} "pt.html"
LangString manualFile ${LANG_FRENCH} "fr.html"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "TINTINEABLES"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "TINTINEABLES"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "MIT"

Var Dialog
Var DesktopBox
Var StartBox
Var WantDesktop
Var WantStart

Page custom Options OptionsChosen
Page instfiles
UninstallText "$(uninstallText)"
UninstPage uninstConfirm
UninstPage instfiles

; The system's language, by its primary language alone: any Spanish, Portuguese or French.
!macro ChooseLanguage
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
    IntOp $0 $0 & 0x3FF
    ${If} $0 = 0x09
        StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${ElseIf} $0 = 0x16
        StrCpy $LANGUAGE ${LANG_PORTUGUESEBR}
    ${ElseIf} $0 = 0x0C
        StrCpy $LANGUAGE ${LANG_FRENCH}
    ${Else}
        StrCpy $LANGUAGE ${LANG_SPANISH}
    ${EndIf}
!macroend

Function .onInit
    !insertmacro ChooseLanguage
    StrCpy $WantStart ${BST_CHECKED}
    StrCpy $WantDesktop ${BST_UNCHECKED}
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/DESKTOP" $R1
    ${IfNot} ${Errors}
        StrCpy $WantDesktop ${BST_CHECKED}
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro ChooseLanguage
FunctionEnd

; The page of choices: what is installed and where, the desktop shortcut (off), and whether the
; game opens at the end (on). Its button says Install.
Function Options
    nsDialogs::Create 1018
    Pop $Dialog
    ${If} $Dialog == error
        Abort
    ${EndIf}
    ${NSD_CreateLabel} 0 0 100% 40u "$(introText)"
    Pop $0
    ${NSD_CreateCheckbox} 0 48u 100% 14u "$(desktopText)"
    Pop $DesktopBox
    ${NSD_SetState} $DesktopBox $WantDesktop
    ${NSD_CreateCheckbox} 0 66u 100% 14u "$(startText)"
    Pop $StartBox
    ${NSD_SetState} $StartBox $WantStart
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^InstallBtn)"
    ; The focus on the first choice, where a screen reader starts reading; Enter installs.
    ${NSD_SetFocus} $DesktopBox
    nsDialogs::Show
FunctionEnd

Function OptionsChosen
    ${NSD_GetState} $DesktopBox $WantDesktop
    ${NSD_GetState} $StartBox $WantStart
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File /r "${STAGED}/*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\TINTINEABLES.lnk" "$INSTDIR\tintineables.exe"
    ; The manual beside it, named in the installer's language; where it is, kept for the
    ; uninstaller, which may run in another.
    CreateShortcut "$SMPROGRAMS\$(manualName).lnk" "$INSTDIR\manual\$(manualFile)"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "ManualShortcut" "$SMPROGRAMS\$(manualName).lnk"
    ${If} $WantDesktop == ${BST_CHECKED}
        CreateShortcut "$DESKTOP\TINTINEABLES.lnk" "$INSTDIR\tintineables.exe"
    ${Else}
        Delete "$DESKTOP\TINTINEABLES.lnk" ; from an earlier install, not asked for this time
    ${EndIf}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "TINTINEABLES"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintineables.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The TINTINEABLES team"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function .onInstSuccess
    ${If} $WantStart == ${BST_CHECKED}
    ${AndIfNot} ${Silent}
        Exec '"$INSTDIR\tintineables.exe"'
    ${EndIf}
FunctionEnd

; Everything the installer made, and nothing else: the user's programs folder goes too if the game
; was all it held.
Section Uninstall
    Delete "$INSTDIR\tintineables.exe"
    Delete "$INSTDIR\LICENSE.txt"
    RMDir /r "$INSTDIR\sounds"
    RMDir /r "$INSTDIR\manual"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "$LOCALAPPDATA\Programs"
    Delete "$SMPROGRAMS\TINTINEABLES.lnk"
    Delete "$DESKTOP\TINTINEABLES.lnk"
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "ManualShortcut"
    ${If} $0 != ""
        Delete "$0"
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
