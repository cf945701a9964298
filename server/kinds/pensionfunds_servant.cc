// The supplementary pension funds ZVK and VBLU in the reference server: one
// record per employee and fund with its periods (per_employee.h), every
// operation of EEZVKServant and EEVBLUServant. The twins share FundServant.
//
// Writes send the whole record; delete… does too and deletes the employee's
// record of that fund, whatever else the struct holds.
//
// Findings (errors) the server puts into every answer, computed anew each
// time (what the client sends as errors is not kept):
//   3001 dateOfWithDrawalZVK / 3101 dateOfWithDrawalVBLU
//        the withdrawal lies before the entry;
//   3102 contPercEE, 3103 contPercER
//        a VBLU contribution percentage above 100.
//
// Filter fields (several filters: any of them): oidRecipient equal to the
// period's, and the employee criteria of per_employee.h.
//
// Sort keys: those of per_employee.h and oidRecipient.
#include <map>
#include <string>
#include <vector>

#include "dates.h"
#include "per_employee.h"
#include "record_servant.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"
#include "vblu.hh"
#include "zvk.hh"

namespace zvk = com::ostrel::personnel::domain::employee::zvk;
namespace vblu = com::ostrel::personnel::domain::employee::vblu;

template <>
struct ostrel::RecordLayout<zvk::EEZVKStruct>
    : ostrel::EmployeeRecordLayout<&zvk::EEZVKStruct::employeeShort, &zvk::EEZVKStruct::history> {};
template <>
struct ostrel::RecordLayout<vblu::EEVBLUStruct>
    : ostrel::EmployeeRecordLayout<&vblu::EEVBLUStruct::employeeShort,
                                   &vblu::EEVBLUStruct::history> {};

namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
using com::ostrel::serverbase::access::AccessToken_ptr;
using com::ostrel::serverbase::query::SortierungStruct;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using ostrel::server::per_employee::AddFinding;

constexpr char kZvkName[] = "com.ostrel.personnel.servantimpl.employee.zvk.EEZVKServantImpl";
constexpr char kVbluName[] = "com.ostrel.personnel.servantimpl.employee.vblu.EEVBLUServantImpl";

bool Before(const char* later, const char* earlier) {
  return !dates::IsUnset(later) && !dates::IsUnset(earlier) && std::string(later) < earlier;
}

void CheckZvk(zvk::EEZVKStruct& r) {
  r.errors.length(0);
  if (Before(r.history.dateOfWithDrawalZVK.in(), r.history.dateOfEntryZVK.in())) {
    AddFinding(r.errors, 3001, L"withdrawal before entry", "dateOfWithDrawalZVK");
  }
}

void CheckPercentage(pbt::ErrorSeq& errors, CORBA::Long code, const char* value,
                     const char* attribute) {
  const std::optional<double> v = ostrel::server::ParseDecimal(value);
  if (v && *v > 100) AddFinding(errors, code, L"percentage above 100: " + Widen(value), attribute);
}

void CheckVblu(vblu::EEVBLUStruct& r) {
  r.errors.length(0);
  if (Before(r.history.dateOfWithDrawalVBLU.in(), r.history.dateOfEntryVBLU.in())) {
    AddFinding(r.errors, 3101, L"withdrawal before entry", "dateOfWithDrawalVBLU");
  }
  CheckPercentage(r.errors, 3102, r.history.contPercEE.in(), "contPercEE");
  CheckPercentage(r.errors, 3103, r.history.contPercER.in(), "contPercER");
}

// The operations of one fund, behind the servant's own operation names.
template <class Struct, class Seq, class FilterSeq, class Callback>
class FundServant : public ostrel::server::RecordServant {
 protected:
  using Records = ostrel::server::EmployeeRecords<Struct>;

  FundServant(ostrel::server::Core& core, const char* prefix, typename Records::Decorate check)
      : RecordServant(core), records_(core, prefix, std::move(check)) {}

  Struct* DoCreate(AccessToken_ptr token, const char* op, const Struct& r) {
    const std::wstring user = Enter(token, op, {RecordArg(r)});
    return records_.New(records_.store().Create(user, records_.Prepared(r)));
  }

  Struct* DoAdd(AccessToken_ptr token, const char* op, const Struct& r, bool removeNew) {
    const std::wstring user = Enter(token, op, {RecordArg(r), Arg(removeNew)});
    return records_.New(records_.store().Add(user, records_.Prepared(r), removeNew));
  }

  Struct* DoSet(AccessToken_ptr token, const char* op, const Struct& r, bool removeNew) {
    const std::wstring user = Enter(token, op, {RecordArg(r), Arg(removeNew)});
    return records_.New(records_.store().Set(user, records_.Prepared(r), removeNew));
  }

  void DoDelete(AccessToken_ptr token, const char* op, const Struct& r) {
    const std::wstring user = Enter(token, op, {RecordArg(r)});
    records_.store().Delete(user, Records::KeyOf(r), 0, nullptr);
  }

  Seq* DoActive(AccessToken_ptr token, const char* op, const FilterSeq& filter,
                const SortierungStruct& sort) {
    Enter(token, op, {CountArg(filter), Arg(sort)});
    return new Seq(Active(filter, sort));
  }

  void DoActiveCB(AccessToken_ptr token, const char* op, const FilterSeq& filter,
                  const SortierungStruct& sort, typename Callback::_ptr_type callback) {
    const StreamCall call = EnterStream(token, op, {CountArg(filter), Arg(sort)});
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
    Stream<Callback>(callback, Active(filter, sort), call);
  }

  Seq* DoActiveHistory(AccessToken_ptr token, const char* op, const char* oidEmployee) {
    Enter(token, op, {Arg(oidEmployee)});
    return records_.template NewSeq<Seq>(records_.store().ActiveHistory(oidEmployee));
  }

  Seq* DoAllHistory(AccessToken_ptr token, const char* op, const char* oidEmployee) {
    Enter(token, op, {Arg(oidEmployee)});
    return records_.template NewSeq<Seq>(records_.store().AllHistory(oidEmployee));
  }

  Seq* DoEffectiveHistory(AccessToken_ptr token, const char* op, const char* oidEmployee,
                          const char* effective) {
    Enter(token, op, {Arg(oidEmployee), Arg(effective)});
    return records_.template NewSeq<Seq>(records_.store().EffectiveHistory(oidEmployee, effective));
  }

  Struct* DoGet(AccessToken_ptr token, const char* oidEmployee, const char* effective,
                const char* valid) {
    Enter(token, "getObjectFromObjectId", {Arg(oidEmployee), Arg(effective), Arg(valid)});
    return records_.New(records_.store().GetAt(oidEmployee, effective, valid));
  }

  Seq* DoCopies(AccessToken_ptr token, const char* op, const char* oidEmployee,
                const char* validFrom) {
    Enter(token, op, {Arg(oidEmployee), Arg(validFrom)});
    return records_.template NewSeq<Seq>(records_.Copies(oidEmployee, validFrom));
  }

 private:
  template <class Filter>
  static bool Matches(const Filter& f, const Struct& r) {
    if (*f.oidRecipient.in() && std::string(f.oidRecipient.in()) != r.history.oidRecipient.in()) {
      return false;
    }
    ostrel::server::per_employee::Criteria c;
    c.oidPCompany = f.oidPCompany.in();
    if (f.pnr._d()) c.pnr = f.pnr.pnr();
    c.surname = Widen(f.surname.in());
    c.fixedDateOfWithDrawal = f.fixedDateOfWithDrawal.in();
    c.listDisplay = f.listDisplayOfEmployeeEnum;
    return ostrel::server::per_employee::Matches(c, r.employeeShort);
  }

  static typename Records::Store::Ordering Ordering(const SortierungStruct& sort) {
    static const std::map<std::string, ostrel::server::SortField<Struct>> kFields = [] {
      auto fields = ostrel::server::per_employee::SortFields<Struct>();
      fields["oidRecipient"] = [](const Struct& a, const Struct& b) {
        return ostrel::server::CompareText(a.history.oidRecipient.in(),
                                           b.history.oidRecipient.in());
      };
      return fields;
    }();
    return ostrel::server::MakeOrdering<Struct>(sort, kFields);
  }

  Seq Active(const FilterSeq& filter, const SortierungStruct& sort) {
    return records_.template ToSeq<Seq>(records_.store().List(
        ostrel::server::per_employee::MatchesAny<Struct>(
            filter, [](const auto& f, const Struct& r) { return Matches(f, r); }),
        Ordering(sort)));
  }

  Records records_;
};

class EEZVKServantImpl : public POA_com::ostrel::personnel::domain::employee::zvk::EEZVKServant,
                         public FundServant<zvk::EEZVKStruct, zvk::EEZVKSeq, zvk::EEZVKFilterSeq,
                                            zvk::EEZVKStructCallback> {
 public:
  explicit EEZVKServantImpl(ostrel::server::Core& core) : FundServant(core, "ZVK", CheckZvk) {}

  zvk::EEZVKStruct* createEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r) override {
    return DoCreate(t, "createEEZVK", r);
  }
  zvk::EEZVKStruct* addEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r,
                             CORBA::Boolean removeNew) override {
    return DoAdd(t, "addEEZVK", r, removeNew);
  }
  zvk::EEZVKStruct* setEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r,
                             CORBA::Boolean removeNew) override {
    return DoSet(t, "setEEZVK", r, removeNew);
  }
  void deleteEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r) override {
    DoDelete(t, "deleteEEZVK", r);
  }
  zvk::EEZVKSeq* getActiveEEZVKs(AccessToken_ptr t, const zvk::EEZVKFilterSeq& f,
                                 const SortierungStruct& o) override {
    return DoActive(t, "getActiveEEZVKs", f, o);
  }
  void getActiveEEZVKsCB(AccessToken_ptr t, const zvk::EEZVKFilterSeq& f, const SortierungStruct& o,
                         zvk::EEZVKStructCallback_ptr cb) override {
    DoActiveCB(t, "getActiveEEZVKsCB", f, o, cb);
  }
  zvk::EEZVKSeq* getActiveEffectiveEEZVKHistory(AccessToken_ptr t, const char* e) override {
    return DoActiveHistory(t, "getActiveEffectiveEEZVKHistory", e);
  }
  zvk::EEZVKSeq* getAllEEZVKHistory(AccessToken_ptr t, const char* e) override {
    return DoAllHistory(t, "getAllEEZVKHistory", e);
  }
  zvk::EEZVKSeq* getEffectiveEEZVKHistory(AccessToken_ptr t, const char* e,
                                          const char* at) override {
    return DoEffectiveHistory(t, "getEffectiveEEZVKHistory", e, at);
  }
  zvk::EEZVKStruct* getObjectFromObjectId(AccessToken_ptr t, const char* e, const char* at,
                                          const char* v) override {
    return DoGet(t, e, at, v);
  }
  zvk::EEZVKSeq* getZVKsForEmployeeCopy(AccessToken_ptr t, const char* e, const char* v) override {
    return DoCopies(t, "getZVKsForEmployeeCopy", e, v);
  }
};

class EEVBLUServantImpl : public POA_com::ostrel::personnel::domain::employee::vblu::EEVBLUServant,
                          public FundServant<vblu::EEVBLUStruct, vblu::EEVBLUSeq,
                                             vblu::EEVBLUFilterSeq, vblu::EEVBLUStructCallback> {
 public:
  explicit EEVBLUServantImpl(ostrel::server::Core& core) : FundServant(core, "VBLU", CheckVblu) {}

  vblu::EEVBLUStruct* createEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r) override {
    return DoCreate(t, "createEEVBLU", r);
  }
  vblu::EEVBLUStruct* addEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r,
                                CORBA::Boolean removeNew) override {
    return DoAdd(t, "addEEVBLU", r, removeNew);
  }
  vblu::EEVBLUStruct* setEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r,
                                CORBA::Boolean removeNew) override {
    return DoSet(t, "setEEVBLU", r, removeNew);
  }
  void deleteEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r) override {
    DoDelete(t, "deleteEEVBLU", r);
  }
  vblu::EEVBLUSeq* getActiveEEVBLUs(AccessToken_ptr t, const vblu::EEVBLUFilterSeq& f,
                                    const SortierungStruct& o) override {
    return DoActive(t, "getActiveEEVBLUs", f, o);
  }
  void getActiveEEVBLUsCB(AccessToken_ptr t, const vblu::EEVBLUFilterSeq& f,
                          const SortierungStruct& o, vblu::EEVBLUStructCallback_ptr cb) override {
    DoActiveCB(t, "getActiveEEVBLUsCB", f, o, cb);
  }
  vblu::EEVBLUSeq* getActiveEffectiveEEVBLUHistory(AccessToken_ptr t, const char* e) override {
    return DoActiveHistory(t, "getActiveEffectiveEEVBLUHistory", e);
  }
  vblu::EEVBLUSeq* getAllEEVBLUHistory(AccessToken_ptr t, const char* e) override {
    return DoAllHistory(t, "getAllEEVBLUHistory", e);
  }
  vblu::EEVBLUSeq* getEffectiveEEVBLUHistory(AccessToken_ptr t, const char* e,
                                             const char* at) override {
    return DoEffectiveHistory(t, "getEffectiveEEVBLUHistory", e, at);
  }
  vblu::EEVBLUStruct* getObjectFromObjectId(AccessToken_ptr t, const char* e, const char* at,
                                            const char* v) override {
    return DoGet(t, e, at, v);
  }
  vblu::EEVBLUSeq* getVBLUsForEmployeeCopy(AccessToken_ptr t, const char* e,
                                           const char* v) override {
    return DoCopies(t, "getVBLUsForEmployeeCopy", e, v);
  }
};

ostrel::server::RegisterServant<EEZVKServantImpl> zvk_registration(kZvkName);
ostrel::server::RegisterServant<EEVBLUServantImpl> vblu_registration(kVbluName);

}  // namespace
