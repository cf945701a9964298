#include "bo_interface.h"

namespace ostrel {
namespace base {

std::string BoInterface::GetObjectID() const { return std::string(identity_.objectid); }

VString BoInterface::GetLastChangedUserID() const {
  return VString(static_cast<wchar_t const*>(identity_.lastuserid));
}

VDateTime BoInterface::GetLastChangedDate() const {
  return VDateTime(std::string(identity_.timestamp));
}

bool BoInterface::IsNew() const { return identity_.objectid[0] == '\0'; }

ObjectStruct BoInterface::GetObjectStruct() { return identity_; }

bool BoInterface::IsNullObject(void const* p) { return p == nullptr; }

void BoInterface::SetObjectStruct(ObjectStruct const& identity) { identity_ = identity; }

}  // namespace base
}  // namespace ostrel
