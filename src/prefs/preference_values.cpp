#include "prefs/preference_values.h"

#include "prefs/settings.h"
#include "store/text_codec.h"

namespace quillox::prefs {

PreferenceValues LoadPreferenceValues() {
    PreferenceValues values;
    values.webBrowser = Read(kChooseWebBrowser);
    values.automaticSaveCheck = Read(kAutomaticSaveCheck);
    values.automaticSaveMinutes = Read(kAutomaticSave);
    values.showPasswordAlways = Read(kShowPasswordAlways);
    values.dateFormat = Read(kDateFormat);
    values.clearClipboardSeconds = Read(kClearClipboardSeconds);
    values.lockAfterIdleMinutes = Read(kLockAfterIdleMinutes);
    values.lockWhenScreenLocks = Read(kLockWhenScreenLocks);
    values.encryptNewFilesAs = Read(kEncryptNewFilesAs);
    values.checkOpenFiles = Read(kCheckOpenFiles);
    values.launchWebBrowser = Read(kLaunchWebBrowser);
    values.launchFtp = Read(kLaunchFtp);
    values.launchEmail = Read(kLaunchEmail);
    values.launchTelnet = Read(kLaunchTelnet);
    values.launchNewsReader = Read(kLaunchNewsReader);
    values.netscapePath = Read(kNetscapeFilePath);
    values.mailProgPath = Read(kMailProgFilePath);
    values.ftpPath = Read(kFtpFilePath);
    values.newsProgPath = Read(kNewsProgFilePath);
    values.helpProgPath = Read(kHelpProgFilePath);
    values.telnetPath = Read(kTelnetFilePath);
    // With the default output uses, so that OK leaves printing as it was.
    values.printAtm = Read(kPrintAtm);
    values.printNotes = Read(kPrintNotes);
    return values;
}

void SavePreferenceValues(const PreferenceValues& values) {
    Write(kChooseWebBrowser, values.webBrowser);
    Write(kAutomaticSaveCheck, values.automaticSaveCheck);
    Write(kAutomaticSave, values.automaticSaveMinutes);
    Write(kShowPasswordAlways, values.showPasswordAlways);
    Write(kDateFormat, values.dateFormat);
    Write(kClearClipboardSeconds, values.clearClipboardSeconds);
    Write(kLockAfterIdleMinutes, values.lockAfterIdleMinutes);
    Write(kLockWhenScreenLocks, values.lockWhenScreenLocks);
    Write(kEncryptNewFilesAs, values.encryptNewFilesAs);
    Write(kCheckOpenFiles, values.checkOpenFiles);
    Write(kLaunchWebBrowser, values.launchWebBrowser);
    Write(kLaunchFtp, values.launchFtp);
    Write(kLaunchEmail, values.launchEmail);
    Write(kLaunchTelnet, values.launchTelnet);
    Write(kLaunchNewsReader, values.launchNewsReader);
    Write(kNetscapeFilePath, values.netscapePath);
    Write(kMailProgFilePath, values.mailProgPath);
    Write(kFtpFilePath, values.ftpPath);
    Write(kNewsProgFilePath, values.newsProgPath);
    Write(kHelpProgFilePath, values.helpProgPath);
    Write(kTelnetFilePath, values.telnetPath);
    Write(kPrintAtm, values.printAtm);
    Write(kPrintNotes, values.printNotes);
}

std::vector<std::string> DateFormatSamples(MacTime now) {
    std::vector<std::string> samples;
    samples.reserve(kDateFormatCount);
    for (int i = 0; i < kDateFormatCount; ++i) {
        // Month and day names come in the bytes card dates use.
        samples.push_back(Cp1252ToUtf8(FormatCardDate(now, i)));
    }
    return samples;
}

}  // namespace quillox::prefs
