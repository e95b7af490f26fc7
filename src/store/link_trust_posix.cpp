#include "store/link_trust.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quillox {

bool MayFollowLink(const LinkPlace& place, uid_t follower) {
    const bool shared = (place.folderMode & S_ISVTX) != 0 && (place.folderMode & S_IWOTH) != 0;
    return !shared || place.linkOwner == follower || place.linkOwner == place.folderOwner;
}

bool MayFollowLinkIn(const std::string& folder, uid_t linkOwner) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return false;
    }
    return MayFollowLink(LinkPlace{info.st_mode, info.st_uid, linkOwner}, ::geteuid());
}

}  // namespace quillox
