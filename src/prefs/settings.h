#pragma once

#include <wx/config.h>
#include <wx/string.h>
#include <memory>

#include "store/encryption_form.h"

// The one table of the program's settings: every part reads and writes its
// preferences through these entries, never by naming a section or value itself.
namespace quillox::prefs {

struct IntSetting {
    const char* section;
    const char* name;
    long defaultValue;
};

struct StringSetting {
    const char* section;
    const char* name;
    const char* defaultValue;
};

// "General Preferences"
extern const StringSetting kLastSelectedCatg;
extern const IntSetting kFindCasePref;
// Seconds a copied text stays on the clipboard; 0 keeps it there.
extern const IntSetting kClearClipboardSeconds;
// Minutes without input after which encrypted documents lock; 0 never.
extern const IntSetting kLockAfterIdleMinutes;
// 1: encrypted documents lock when the screen locks.
extern const IntSetting kLockWhenScreenLocks;
// The form a file is first encrypted in: 1 compatible, anything else strong.
extern const IntSetting kEncryptNewFilesAs;
inline constexpr long kEncryptNewFilesCompatible = 1;
// "Internet Preferences"
extern const IntSetting kChooseWebBrowser;
extern const IntSetting kAutomaticSaveCheck;
extern const StringSetting kAutomaticSave;
extern const IntSetting kDateFormat;
extern const IntSetting kShowPasswordAlways;
extern const StringSetting kNetscapeFilePath;
extern const StringSetting kExplorerFilePath;
extern const StringSetting kMailProgFilePath;
extern const StringSetting kNewsProgFilePath;
extern const StringSetting kFtpFilePath;
extern const StringSetting kTelnetFilePath;
extern const StringSetting kHelpProgFilePath;
// "Print Preferences": output and the Preferences sheet both read them with default 1.
extern const IntSetting kPrintAtm;
extern const IntSetting kPrintNotes;
// "Start Up Preferences"; the e-mail launch option is stored as "Print Notes".
extern const IntSetting kLaunchEmail;
extern const IntSetting kLaunchWebBrowser;
extern const IntSetting kLaunchFtp;
extern const IntSetting kLaunchTelnet;
extern const IntSetting kLaunchNewsReader;
extern const IntSetting kCheckOpenFiles;
// Marks that the program has run once (for the one-time browser detection).
extern const IntSetting kFirstStartDone;

// A missing or unreadable value reads as the entry's default.
long Read(const IntSetting& setting);
long Read(const IntSetting& setting, long defaultValue);
wxString Read(const StringSetting& setting);
// Writes fail silently, as a settings store that cannot be written allows nothing else.
void Write(const IntSetting& setting, long value);
void Write(const StringSetting& setting, const wxString& value);

// The form "Encrypt New Files As" gives a file encrypted for the first time.
EncryptionForm FormForNewFiles();

// The per-user store: the registry under HKEY_CURRENT_USER\Software\QMT\Quillox
// on Windows, $XDG_CONFIG_HOME/Quillox/Quillox.conf (~/.config by default)
// elsewhere, its folder created when missing.
std::unique_ptr<wxConfigBase> CreateSettingsStore();

// Makes a fresh store the process's current one (wxConfigBase::Set).
void InstallSettingsStore();

}  // namespace quillox::prefs
