#include "output/export_messages.h"

#include <filesystem>
#include <system_error>

namespace quillox::output {

namespace {

const char* TextExportTemplate(FileErrorCause cause) {
    switch (cause) {
        case FileErrorCause::NotFound:
            return "%1 was not found.";
        case FileErrorCause::BadPath:
            return "%1 contains an invalid path.";
        case FileErrorCause::TooManyOpenFiles:
            return "%1 could not be opened because there are too many open files.";
        case FileErrorCause::AccessDenied:
        case FileErrorCause::NotRegularFile:
        case FileErrorCause::ReadOnly:
            return "Access to %1 was denied.";
        case FileErrorCause::UntrustedLink:
            return "%1 is a symbolic link that another user made in a shared folder; it was not "
                   "followed.";
        case FileErrorCause::DirectoryFull:
            return "%1 could not be created because the directory is full.";
        case FileErrorCause::HardwareIo:
            return "A hardware I/O error was reported while accessing %1.";
        case FileErrorCause::SharingViolation:
            return "A sharing violation occurred while accessing %1.";
        case FileErrorCause::LockViolation:
            return "A locking violation occurred while accessing %1.";
        case FileErrorCause::DiskFull:
            return "Disk full while accessing %1.";
        case FileErrorCause::Unknown:
            break;
    }
    return "An unknown error occurred while accessing %1.";
}

}  // namespace

std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

std::string TextExportFailureMessage(FileErrorCause cause, const std::string& path) {
    std::string message = TextExportTemplate(cause);
    message.replace(message.find("%1"), 2, FullPath(path));
    return message;
}

std::string XmlExportFailureMessage(const std::string& path, const std::string& reason) {
    return "The XML file " + FullPath(path) + " could not be written: " + reason + ".";
}

}  // namespace quillox::output
