# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installer of Unitavo for 64-bit Windows, built by scripts/windows/package with makensis:
#   makensis -DVERSION=3.3 -DSTAGE=<folder with unitavo.exe> -DFILES=<install list>
#            -DUNFILES=<uninstall list> -DICON=<unitavo.ico> -DOUTFILE=<setup.exe> unitavo.nsi
# FILES and UNFILES list the staged files, so that the uninstaller removes exactly what was
# installed. /S installs or uninstalls silently, into the default folder or /D=<folder>.

# A 64-bit installer, as the programs it installs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Unitavo"

Name "Unitavo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Unitavo"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Unitavo ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "ProductName" "Unitavo"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di Unitavo ${VERSION}"
VIAddVersionKey /LANG=1040 "CompanyName" "The Unitavo developers"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\unitavo.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

# Installed for every user of the machine: the Start-menu entries too.
Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section "Unitavo"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\Unitavo"
    CreateShortcut "$SMPROGRAMS\Unitavo\Unitavo.lnk" "$INSTDIR\unitavo.exe"
    CreateShortcut "$SMPROGRAMS\Unitavo\Disinstalla Unitavo.lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Unitavo"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Unitavo developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\unitavo.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\Unitavo\Unitavo.lnk"
    Delete "$SMPROGRAMS\Unitavo\Disinstalla Unitavo.lnk"
    RMDir "$SMPROGRAMS\Unitavo"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
