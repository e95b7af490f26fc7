; The Windows installer of Quillox, made by scripts/windows-package.sh with
; makensis. It installs for the current user alone, without administrator
; rights, and its uninstaller leaves the user's data files and settings.
; Defined by the caller: VERSION, COPYRIGHT, STAGE (the folder of files to install),
; ICON, OUTFILE.
; A 64-bit installer for the 64-bit programs; it runs where they run.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillox"
!define CLASSES "Software\Classes"

Name "Quillox ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quillox"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "QMT"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillox.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Quillox"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "QMT"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Quillox installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

; A data file type: its name, the icon in quillox.exe, and opening it there.
!macro FileType EXTENSION CLASS DESCRIPTION ICON_INDEX
    WriteRegStr HKCU "${CLASSES}\${EXTENSION}" "" "${CLASS}"
    WriteRegStr HKCU "${CLASSES}\${CLASS}" "" "${DESCRIPTION}"
    WriteRegStr HKCU "${CLASSES}\${CLASS}\DefaultIcon" "" '"$INSTDIR\quillox.exe",${ICON_INDEX}'
    WriteRegStr HKCU "${CLASSES}\${CLASS}\shell\open\command" "" '"$INSTDIR\quillox.exe" "%1"'
!macroend

; Removes a file type only while it is still ours.
!macro RemoveFileType EXTENSION CLASS
    ReadRegStr $0 HKCU "${CLASSES}\${EXTENSION}" ""
    StrCmp $0 "${CLASS}" 0 +2
    DeleteRegKey HKCU "${CLASSES}\${EXTENSION}"
    DeleteRegKey HKCU "${CLASSES}\${CLASS}"
!macroend

Section "Quillox"
    SetOutPath "$INSTDIR"
    File "${STAGE}\quillox.exe"
    File "${STAGE}\quillox-cli.exe"
    File "${STAGE}\user-guide.html"
    File /r "${STAGE}\images"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Quillox.lnk" "$INSTDIR\quillox.exe"

    !insertmacro FileType ".qxe" "Quillox.EncryptedCards" "Quillox encrypted cards" 1
    !insertmacro FileType ".qxf" "Quillox.Cards" "Quillox cards" 2

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillox"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "QMT"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\quillox.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

    ; Explorer redraws the data files with their new icons.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The program's files go; the user's card files and the settings under
; HKCU\Software\QMT\Quillox stay.
Section "Uninstall"
    Delete "$INSTDIR\quillox.exe"
    Delete "$INSTDIR\quillox-cli.exe"
    Delete "$INSTDIR\user-guide.html"
    RMDir /r "$INSTDIR\images"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Quillox.lnk"
    !insertmacro RemoveFileType ".qxe" "Quillox.EncryptedCards"
    !insertmacro RemoveFileType ".qxf" "Quillox.Cards"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
