#pragma once

#include <sys/types.h>

#include <string>

namespace quillox {

// What decides whether a symbolic link may be followed: the folder that
// holds it and who made it.
struct LinkPlace {
    mode_t folderMode = 0;
    uid_t folderOwner = 0;
    uid_t linkOwner = 0;
};

// The rule the kernel applies to the links it follows when
// fs.protected_symlinks is on: in a sticky folder everyone may write to, such
// as /tmp, a link is followed only when it is the follower's own or the
// folder owner's. Anyone may put a link there, pointing at a file of the
// follower's, in the hope that it gets written through.
bool MayFollowLink(const LinkPlace& place, uid_t follower);

// The same for a link made by linkOwner in folder, followed by this process's
// effective user. A folder that cannot be examined is not trusted.
bool MayFollowLinkIn(const std::string& folder, uid_t linkOwner);

}  // namespace quillox
