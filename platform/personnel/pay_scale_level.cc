#include "pay_scale_level.h"

namespace ostrel {

PayScaleLevel::PayScaleLevel() {
  Value().objectStruct.version = 0;
  Value().level = 0;
  MakeBoCopy();
}

PayScaleLevel::PayScaleLevel(StructType const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

PayScaleLevel::PayScaleLevel(PayScaleLevel const& o) : BO(o) { MakeBoCopy(); }

std::string PayScaleLevel::GetOidPayScaleGroup() const {
  return std::string(Value().oidPayScaleGroup.in());
}
long PayScaleLevel::GetLevel() const { return Value().level; }
std::wstring PayScaleLevel::GetDescription() const {
  return std::wstring(Value().description.in());
}
base::VFixed PayScaleLevel::GetAmount() const { return base::VFixed(Value().amount.in()); }

void PayScaleLevel::SetOidPayScaleGroup(std::string const& v) {
  Value().oidPayScaleGroup = v.c_str();
}
void PayScaleLevel::SetLevel(long v) { Value().level = v; }
void PayScaleLevel::SetDescription(std::wstring const& v) { Value().description = v.c_str(); }
void PayScaleLevel::SetAmount(base::VFixed const& v) { Value().amount = v.ToIdl().c_str(); }

}  // namespace ostrel
