#include "prefs/settings.h"
#include "prefs/settings_store.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace quillox::prefs {

namespace {
constexpr char kGeneral[] = "General Preferences";
constexpr char kInternet[] = "Internet Preferences";
constexpr char kPrint[] = "Print Preferences";
constexpr char kStartUp[] = "Start Up Preferences";
}  // namespace

const StringSetting kLastSelectedCatg{kGeneral, "LastSelectedCatg", ""};
const IntSetting kFindCasePref{kGeneral, "Find Case Pref", 0};
const IntSetting kClearClipboardSeconds{kGeneral, "Clear Clipboard Seconds", 10};
const IntSetting kLockAfterIdleMinutes{kGeneral, "Lock After Idle Minutes", 0};
const IntSetting kLockWhenScreenLocks{kGeneral, "Lock When Screen Locks", 1};
const IntSetting kEncryptNewFilesAs{kGeneral, "Encrypt New Files As", 0};

const IntSetting kChooseWebBrowser{kInternet, "Choose Web Browser", 1};
const IntSetting kAutomaticSaveCheck{kInternet, "Automatic Save Check", 0};
const StringSetting kAutomaticSave{kInternet, "Automatic Save", "10"};
const IntSetting kDateFormat{kInternet, "Date Format", 0};
const IntSetting kShowPasswordAlways{kInternet, "ShowPasswordAlways", 0};
const StringSetting kNetscapeFilePath{kInternet, "Netscape File Path", ""};
const StringSetting kExplorerFilePath{kInternet, "Explorer File Path", ""};
const StringSetting kMailProgFilePath{kInternet, "MailProg File Path", ""};
const StringSetting kNewsProgFilePath{kInternet, "NewsProg File Path", ""};
const StringSetting kFtpFilePath{kInternet, "FTP File Path", ""};
const StringSetting kTelnetFilePath{kInternet, "Telnet File Path", ""};
const StringSetting kHelpProgFilePath{kInternet, "HelpProg File Path", ""};

const IntSetting kPrintAtm{kPrint, "Print ATM", 1};
const IntSetting kPrintNotes{kPrint, "Print Notes", 1};

const IntSetting kLaunchEmail{kStartUp, "Print Notes", 0};
const IntSetting kLaunchWebBrowser{kStartUp, "Launch Web Browser", 0};
const IntSetting kLaunchFtp{kStartUp, "Launch FTP", 0};
const IntSetting kLaunchTelnet{kStartUp, "Launch Tel Net", 0};
const IntSetting kLaunchNewsReader{kStartUp, "Launch News Reader", 0};
const IntSetting kCheckOpenFiles{kStartUp, "Check Open Files", 0};

const IntSetting kFirstStartDone{"Settings", "First Start Done", 0};

namespace {

// An absolute path leaves the store's current group untouched.
template <typename Setting>
wxString PathOf(const Setting& setting) {
    return "/" + wxString::FromUTF8(setting.section) + "/" + wxString::FromUTF8(setting.name);
}

// Flushed at once, as the registry stores at once: nothing is left for the
// store's destructor, which would report a failed save.
template <typename Value>
void Store(const wxString& path, const Value& value) {
    wxConfigBase* store = wxConfigBase::Get(false);
    if (store == nullptr) {
        return;
    }
    wxLogNull quiet;
    store->Write(path, value);
    store->Flush();
}

}  // namespace

long Read(const IntSetting& setting) {
    return Read(setting, setting.defaultValue);
}

long Read(const IntSetting& setting, long defaultValue) {
    const wxConfigBase* store = wxConfigBase::Get(false);
    if (store == nullptr) {
        return defaultValue;
    }
    const wxString path = PathOf(setting);
    wxLogNull quiet;
    long value = defaultValue;
    if (!HoldsType(*store, path, wxConfigBase::Type_Integer) || !store->Read(path, &value)) {
        return defaultValue;
    }
    return value;
}

wxString Read(const StringSetting& setting) {
    const wxString defaultValue = wxString::FromUTF8(setting.defaultValue);
    const wxConfigBase* store = wxConfigBase::Get(false);
    if (store == nullptr) {
        return defaultValue;
    }
    const wxString path = PathOf(setting);
    wxLogNull quiet;
    wxString value;
    if (!HoldsType(*store, path, wxConfigBase::Type_String) || !store->Read(path, &value)) {
        return defaultValue;
    }
    return value;
}

void Write(const IntSetting& setting, long value) {
    Store(PathOf(setting), value);
}

void Write(const StringSetting& setting, const wxString& value) {
    Store(PathOf(setting), value);
}

EncryptionForm FormForNewFiles() {
    return Read(kEncryptNewFilesAs) == kEncryptNewFilesCompatible ? EncryptionForm::Compatible
                                                                  : EncryptionForm::Strong;
}

void InstallSettingsStore() {
    delete wxConfigBase::Set(CreateSettingsStore().release());
}

}  // namespace quillox::prefs
