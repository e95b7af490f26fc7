#pragma once

#include <string_view>

// The topics of the DDE browser conversation, one per verb. The order is the
// conversation's own numbering of them.
namespace quillox::web {

enum DdeTopic : int {
    kWwwActivate,
    kWwwAlert,
    kWwwBeginProgress,
    kWwwCancelProgress,
    kWwwEndProgress,
    kWwwExit,
    kWwwGetWindowInfo,
    kWwwListWindows,
    kWwwMakingProgress,
    kWwwOpenUrl,
    kWwwParseAnchor,
    kWwwQueryUrlFile,
    kWwwQueryViewer,
    kWwwRegisterProtocol,
    kWwwRegisterUrlEcho,
    kWwwRegisterViewer,
    kWwwRegisterWindowChange,
    kWwwSetProgressRange,
    kWwwShowFile,
    kWwwUnRegisterProtocol,
    kWwwUnRegisterUrlEcho,
    kWwwUnRegisterViewer,
    kWwwUnRegisterWindowChange,
    kWwwUrlEcho,
    kWwwVersion,
    kWwwViewDocFile,
    kWwwWindowChange,
    kDdeTopicCount
};

// The name of a topic, such as "WWW_OpenURL".
std::string_view DdeTopicName(DdeTopic topic);

// The topic of a name, ignoring case as DDE names do; -1 for a name that is
// no topic.
int FindDdeTopic(std::string_view name);

}  // namespace quillox::web
