// The supplementary pension funds ZVK and VBLU in the reference server: one
// record per employee and fund with its periods (per_employee.h), every
// operation of EEZVKServant and EEVBLUServant; the twins differ in their tables.
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
#include <optional>
#include <string>

#include "dates.h"
#include "per_employee.h"
#include "registry.h"
#include "text.h"
#include "vblu_kind.h"
#include "zvk_kind.h"

namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace zvk = ostrel::zvk;
namespace vblu = ostrel::vblu;
namespace dates = ostrel::server::dates;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::per_employee::AddFinding;
using ostrel::server::per_employee::ByPeriod;

bool Before(const char* later, const char* earlier) {
  return !dates::IsUnset(later) && !dates::IsUnset(earlier) && std::string(later) < earlier;
}

void CheckPercentage(pbt::ErrorSeq& errors, CORBA::Long code, const char* value,
                     const char* attribute) {
  const std::optional<double> v = ostrel::server::ParseDecimal(value);
  if (v && *v > 100) {
    AddFinding(errors, code, L"percentage above 100: " + ostrel::server::Widen(value), attribute);
  }
}

// The fund's own filter field.
template <class Filter, class Record>
bool SameRecipient(const Filter& f, const Record& r) {
  return !*f.oidRecipient.in() || std::string(f.oidRecipient.in()) == r.history.oidRecipient.in();
}

struct ZvkTable {
  using Record = zvk::EEZVKStruct;
  using Seq = zvk::EEZVKSeq;
  using FilterSeq = zvk::EEZVKFilterSeq;
  using Callback = zvk::EEZVKStructCallback;
  static constexpr char kPrefix[] = "ZVK";

  static ostrel::server::SortKeys<Record> OwnSortKeys() {
    return {{"oidRecipient", ByPeriod<Record, &zvk::ZVKStruct::oidRecipient>}};
  }
  static bool Matches(const zvk::EEZVKFilterStruct& f, const Record& r) {
    return SameRecipient(f, r);
  }
  static void Findings(Record& r) {
    r.errors.length(0);
    if (Before(r.history.dateOfWithDrawalZVK.in(), r.history.dateOfEntryZVK.in())) {
      AddFinding(r.errors, 3001, L"withdrawal before entry", "dateOfWithDrawalZVK");
    }
  }
};

struct VbluTable {
  using Record = vblu::EEVBLUStruct;
  using Seq = vblu::EEVBLUSeq;
  using FilterSeq = vblu::EEVBLUFilterSeq;
  using Callback = vblu::EEVBLUStructCallback;
  static constexpr char kPrefix[] = "VBLU";

  static ostrel::server::SortKeys<Record> OwnSortKeys() {
    return {{"oidRecipient", ByPeriod<Record, &vblu::VBLUStruct::oidRecipient>}};
  }
  static bool Matches(const vblu::EEVBLUFilterStruct& f, const Record& r) {
    return SameRecipient(f, r);
  }
  static void Findings(Record& r) {
    r.errors.length(0);
    if (Before(r.history.dateOfWithDrawalVBLU.in(), r.history.dateOfEntryVBLU.in())) {
      AddFinding(r.errors, 3101, L"withdrawal before entry", "dateOfWithDrawalVBLU");
    }
    CheckPercentage(r.errors, 3102, r.history.contPercEE.in(), "contPercEE");
    CheckPercentage(r.errors, 3103, r.history.contPercER.in(), "contPercER");
  }
};

class EEZVKServantImpl : public POA_com::ostrel::personnel::domain::employee::zvk::EEZVKServant,
                         public ostrel::server::PerEmployeeServant<ZvkTable> {
 public:
  using PerEmployeeServant::PerEmployeeServant;

  zvk::EEZVKStruct* createEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r) override {
    return Create(t, "createEEZVK", r);
  }
  zvk::EEZVKStruct* addEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r,
                             CORBA::Boolean removeNew) override {
    return Add(t, "addEEZVK", r, removeNew);
  }
  zvk::EEZVKStruct* setEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r,
                             CORBA::Boolean removeNew) override {
    return Set(t, "setEEZVK", r, removeNew);
  }
  void deleteEEZVK(AccessToken_ptr t, const zvk::EEZVKStruct& r) override {
    Delete(t, "deleteEEZVK", r);
  }
  zvk::EEZVKSeq* getActiveEEZVKs(AccessToken_ptr t, const zvk::EEZVKFilterSeq& f,
                                 const SortierungStruct& o) override {
    return Active(t, "getActiveEEZVKs", f, o);
  }
  void getActiveEEZVKsCB(AccessToken_ptr t, const zvk::EEZVKFilterSeq& f, const SortierungStruct& o,
                         zvk::EEZVKStructCallback_ptr cb) override {
    ActiveCB(t, "getActiveEEZVKsCB", f, o, cb);
  }
  zvk::EEZVKSeq* getActiveEffectiveEEZVKHistory(AccessToken_ptr t, const char* e) override {
    return ActiveHistory(t, "getActiveEffectiveEEZVKHistory", e);
  }
  zvk::EEZVKSeq* getAllEEZVKHistory(AccessToken_ptr t, const char* e) override {
    return AllHistory(t, "getAllEEZVKHistory", e);
  }
  zvk::EEZVKSeq* getEffectiveEEZVKHistory(AccessToken_ptr t, const char* e,
                                          const char* at) override {
    return EffectiveHistory(t, "getEffectiveEEZVKHistory", e, at);
  }
  zvk::EEZVKStruct* getObjectFromObjectId(AccessToken_ptr t, const char* e, const char* at,
                                          const char* v) override {
    return Get(t, e, at, v);
  }
  zvk::EEZVKSeq* getZVKsForEmployeeCopy(AccessToken_ptr t, const char* e, const char* v) override {
    return Copies(t, "getZVKsForEmployeeCopy", e, v);
  }
};

class EEVBLUServantImpl : public POA_com::ostrel::personnel::domain::employee::vblu::EEVBLUServant,
                          public ostrel::server::PerEmployeeServant<VbluTable> {
 public:
  using PerEmployeeServant::PerEmployeeServant;

  vblu::EEVBLUStruct* createEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r) override {
    return Create(t, "createEEVBLU", r);
  }
  vblu::EEVBLUStruct* addEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r,
                                CORBA::Boolean removeNew) override {
    return Add(t, "addEEVBLU", r, removeNew);
  }
  vblu::EEVBLUStruct* setEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r,
                                CORBA::Boolean removeNew) override {
    return Set(t, "setEEVBLU", r, removeNew);
  }
  void deleteEEVBLU(AccessToken_ptr t, const vblu::EEVBLUStruct& r) override {
    Delete(t, "deleteEEVBLU", r);
  }
  vblu::EEVBLUSeq* getActiveEEVBLUs(AccessToken_ptr t, const vblu::EEVBLUFilterSeq& f,
                                    const SortierungStruct& o) override {
    return Active(t, "getActiveEEVBLUs", f, o);
  }
  void getActiveEEVBLUsCB(AccessToken_ptr t, const vblu::EEVBLUFilterSeq& f,
                          const SortierungStruct& o, vblu::EEVBLUStructCallback_ptr cb) override {
    ActiveCB(t, "getActiveEEVBLUsCB", f, o, cb);
  }
  vblu::EEVBLUSeq* getActiveEffectiveEEVBLUHistory(AccessToken_ptr t, const char* e) override {
    return ActiveHistory(t, "getActiveEffectiveEEVBLUHistory", e);
  }
  vblu::EEVBLUSeq* getAllEEVBLUHistory(AccessToken_ptr t, const char* e) override {
    return AllHistory(t, "getAllEEVBLUHistory", e);
  }
  vblu::EEVBLUSeq* getEffectiveEEVBLUHistory(AccessToken_ptr t, const char* e,
                                             const char* at) override {
    return EffectiveHistory(t, "getEffectiveEEVBLUHistory", e, at);
  }
  vblu::EEVBLUStruct* getObjectFromObjectId(AccessToken_ptr t, const char* e, const char* at,
                                            const char* v) override {
    return Get(t, e, at, v);
  }
  vblu::EEVBLUSeq* getVBLUsForEmployeeCopy(AccessToken_ptr t, const char* e,
                                           const char* v) override {
    return Copies(t, "getVBLUsForEmployeeCopy", e, v);
  }
};

ostrel::server::RegisterServant<EEZVKServantImpl> zvk_registration(ostrel::EEZVKService::kName);
ostrel::server::RegisterServant<EEVBLUServantImpl> vblu_registration(ostrel::EEVBLUService::kName);

}  // namespace
