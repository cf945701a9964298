// The pension-scheme module beside its IDL: where the record keeps the
// employee and the servant's name. What follows from the IDL itself (wire
// texts, fields, operations) is generated into pensionscheme_idl.h.
#ifndef OSTREL_IDL_PENSIONSCHEME_KIND_H_
#define OSTREL_IDL_PENSIONSCHEME_KIND_H_

#include "employee_kind.h"
#include "pensionscheme_idl.h"
#include "record_layout.h"

namespace ostrel {

namespace pensionscheme = com::ostrel::personnel::domain::employee::pensionscheme;

// { root, history }, but the root names its employee `ee`.
template <>
struct RecordLayout<pensionscheme::EEPensionSchemeStruct>
    : MemberLayout<&pensionscheme::EEPensionSchemeStruct::root,
                   &pensionscheme::EEPensionSchemeStruct::history> {
  template <class S>
  static char const* EmployeeOid(S const& s) {
    return s.root.ee.objectStruct.objectid;
  }
};

struct EEPensionSchemeService {
  using Servant = pensionscheme::EEPensionSchemeServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.pensionscheme.EEPensionSchemeServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_PENSIONSCHEME_KIND_H_
