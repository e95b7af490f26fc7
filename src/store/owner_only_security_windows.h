#pragma once

#include <windows.h>

#include <memory>

namespace quillox {

// A security descriptor whose list grants the current user alone, and
// which inherits nothing from the folder: what files holding clear text get.
class OwnerOnlySecurity {
  public:
    OwnerOnlySecurity();
    ~OwnerOnlySecurity() { LocalFree(acl_); }
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

  private:
    std::unique_ptr<unsigned char[]> user_;
    PACL acl_ = nullptr;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

}  // namespace quillox
