#include "truncation.h"

namespace ostrel {

Truncation::Truncation() {
  Value().truncationMode = com::ostrel::personnel::domain::typeofvalue::basictypes::TRUNCATION_NONE;
  MakeBoCopy();
}

Truncation::Truncation(StructType const& s) : BO(s) { MakeBoCopy(); }

Truncation::Truncation(Truncation const& o) : BO(o) { MakeBoCopy(); }

Truncation::ModeEnum Truncation::GetTruncationMode() const { return Value().truncationMode; }
base::VFixed Truncation::GetTruncationUnit() const {
  return base::VFixed(Value().truncationUnit.in());
}

void Truncation::SetTruncationMode(ModeEnum v) { Value().truncationMode = v; }
void Truncation::SetTruncationUnit(base::VFixed const& v) {
  Value().truncationUnit = v.ToIdl().c_str();
}

}  // namespace ostrel
