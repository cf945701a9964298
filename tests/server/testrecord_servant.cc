// The test record kind in the reference server: every operation of
// TestRecordServant on the generic record store.
#include <cstring>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "employee_records.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "testrecord_kind.h"
#include "text.h"

namespace {

namespace tr = com::ostrel::personnel::domain::employee::testrecord;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace basictypes = com::ostrel::framework::basictypes;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::IdArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using Store = ostrel::server::RecordStore<tr::TestRecordStruct>;
using com::ostrel::serverbase::access::AccessToken_ptr;

bool Matches(const tr::TestRecordFilterStruct& f, const tr::TestRecordStruct& r) {
  const tr::TestEmployeeStruct& e = r.root.employeeShort;
  if (*f.oidPCompany.in() && std::strcmp(f.oidPCompany.in(), e.oidPCompany.in()) != 0) {
    return false;
  }
  if (f.pnr._d() && f.pnr.pnr() != e.personnelNumber) return false;
  if (*f.surname.in() && std::wcscmp(f.surname.in(), e.surname.in()) != 0) return false;
  if (*f.key.in() && std::strcmp(f.key.in(), r.root.key.in()) != 0) return false;
  return true;
}

// Any filter may match; no filter matches everything.
Store::Predicate MatchesAny(const tr::TestRecordFilterSeq& filters) {
  return [&filters](const tr::TestRecordStruct& r) {
    if (filters.length() == 0) return true;
    for (CORBA::ULong i = 0; i < filters.length(); ++i) {
      if (Matches(filters[i], r)) return true;
    }
    return false;
  };
}

Store::Ordering Ordering(const tr::SortierungStruct& sort) {
  using ostrel::server::CompareDecimal;
  using ostrel::server::CompareNatural;
  using ostrel::server::MemberKey;
  using ostrel::server::SortField;
  using R = tr::TestRecordStruct;
  using Root = tr::TestRecordRootStruct;
  static const std::map<std::string, SortField<R>> kFields = {
      {"key", MemberKey<&R::root, &Root::key>()},
      {"personnelNumber",
       MemberKey<&R::root, &Root::employeeShort, &tr::TestEmployeeStruct::personnelNumber>()},
      {"amount",
       [](const R& a, const R& b) { return CompareDecimal(a.history.amount, b.history.amount); }},
      {"objectid",
       [](const R& a, const R& b) {
         return CompareNatural(a.root.objectStruct.objectid, b.root.objectStruct.objectid);
       }},
  };
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

// The server's own field: a complaint about a due date before the period
// starts.
void Decorate(tr::TestRecordStruct& r) {
  const std::string due = r.history.dueDate.in();
  const std::string from = r.history.timePeriod.effectiveFrom.in();
  const bool early =
      !ostrel::server::dates::IsUnset(due) && !ostrel::server::dates::IsUnset(from) && due < from;
  r.history.errorMessage = early ? ("due date " + due + " is before " + from).c_str() : "";
}

tr::TestRecordStruct* Out(tr::TestRecordStruct r) {
  Decorate(r);
  return new tr::TestRecordStruct(r);
}

tr::TestRecordSeq Seq(const std::vector<tr::TestRecordStruct>& items) {
  tr::TestRecordSeq seq = ostrel::server::ToSeq<tr::TestRecordSeq>(items);
  for (CORBA::ULong i = 0; i < seq.length(); ++i) Decorate(seq[i]);
  return seq;
}

tr::TestRecordSeq* OutSeq(const std::vector<tr::TestRecordStruct>& items) {
  return new tr::TestRecordSeq(Seq(items));
}

class TestRecordServantImpl
    : public POA_com::ostrel::personnel::domain::employee::testrecord::TestRecordServant,
      public ostrel::server::RecordServant {
 public:
  explicit TestRecordServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<tr::TestRecordStruct>("TR")) {}

  tr::TestRecordStruct* createTestRecord(AccessToken_ptr token,
                                         const tr::TestRecordStruct& r) override {
    const std::wstring user = Enter(token, "createTestRecord", {RecordArg(r)}, r);
    return Out(store_.Create(user, r));
  }

  tr::TestRecordStruct* addTestRecord(AccessToken_ptr token, const tr::TestRecordStruct& r,
                                      CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "addTestRecord", {RecordArg(r), Arg(removeNew)}, r);
    return Out(store_.Add(user, r, removeNew));
  }

  tr::TestRecordStruct* setTestRecord(AccessToken_ptr token, const tr::TestRecordStruct& r,
                                      CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setTestRecord", {RecordArg(r), Arg(removeNew)}, r);
    return Out(store_.Set(user, r, removeNew));
  }

  void deleteTestRecord(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                        CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteTestRecord", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  void restoreTestRecord(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                         CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "restoreTestRecord", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Restore(user, oid, version, &employee);
  }

  tr::TestRecordStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                              const char* effective) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective)},
          DateArg{"effectiveTimePoint", effective});
    return Out(store_.Get(oid, effective));
  }

  tr::TestRecordSeq* getActiveTestRecords(AccessToken_ptr token,
                                          const tr::TestRecordFilterSeq& filter,
                                          const tr::SortierungStruct& sort) override {
    Enter(token, "getActiveTestRecords", {CountArg(filter), Arg(sort)}, filter);
    return OutSeq(store_.List(MatchesAny(filter), Ordering(sort)));
  }

  void getActiveTestRecordsCB(AccessToken_ptr token, const tr::TestRecordFilterSeq& filter,
                              const tr::SortierungStruct& sort,
                              tr::TestRecordStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveTestRecordsCB", {CountArg(filter), Arg(sort)}, filter);
    NeedCallback(callback);
    Stream<tr::TestRecordStructCallback>(
        callback, Seq(store_.List(MatchesAny(filter), Ordering(sort))), call);
  }

  tr::TestRecordSeq* getActiveEffectiveTestRecordHistory(AccessToken_ptr token,
                                                         const char* oid) override {
    Enter(token, "getActiveEffectiveTestRecordHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  tr::TestRecordSeq* getAllTestRecordHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllTestRecordHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  tr::TestRecordSeq* getEffectiveTestRecordHistory(AccessToken_ptr token, const char* oid,
                                                   const char* date) override {
    Enter(token, "getEffectiveTestRecordHistory", {Arg(oid), Arg(date)},
          DateArg{"destinationTimePoint", date});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

  tr::TestRecordSeq* getTestRecordsForEmployeeCopy(AccessToken_ptr token, const char* oidEmployee,
                                                   const char* validFrom) override {
    Enter(token, "getTestRecordsForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

  tr::TestRecordStruct* getObjectFromObjectIdAt(AccessToken_ptr token, const char* oid,
                                                const char* effective, const char* valid) override {
    Enter(token, "getObjectFromObjectIdAt", {Arg(oid), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    return Out(store_.GetAt(oid, effective, valid));
  }

  tr::TestRecordStruct* setTestRecordPeriod(AccessToken_ptr token,
                                            const tr::TestRecordTPStruct& period,
                                            CORBA::Boolean removeNew,
                                            const char* oidPCompany) override {
    const std::wstring user =
        Enter(token, "setTestRecordPeriod",
              {IdArg(period.objectStruct), Arg(removeNew), Arg(oidPCompany)}, period);
    const std::string period_oid = period.objectStruct.objectid.in();
    std::optional<tr::TestRecordStruct> r = store_.FindByPeriod(period_oid);
    if (!r) {
      throw ax::PersistencyException(Widen("unknown object id '" + period_oid + "'").c_str());
    }
    const std::string company = oidPCompany;
    if (!company.empty() && company != r->root.employeeShort.oidPCompany.in()) {
      throw ax::PersistencyException(Widen("record '" + std::string(r->root.objectStruct.objectid) +
                                           "' does not belong to company '" + company + "'")
                                         .c_str());
    }
    r->history = period;
    return Out(store_.Set(user, *r, removeNew));
  }

  void deleteTestRecordStruct(AccessToken_ptr token, const tr::TestRecordStruct& r) override {
    const std::wstring user = Enter(token, "deleteTestRecordStruct", {RecordArg(r)}, r);
    const std::string employee = r.root.employeeShort.objectStruct.objectid.in();
    store_.Delete(user, r.root.objectStruct.objectid.in(), r.root.objectStruct.version, &employee);
  }

  tr::TestRecordSeq* setTestRecordList(AccessToken_ptr token, const tr::TestRecordFilterSeq& filter,
                                       const tr::SortierungStruct& sort,
                                       const tr::TestRecordStruct& r,
                                       CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "setTestRecordList",
              {CountArg(filter), Arg(sort), RecordArg(r), Arg(removeNew)}, filter, r);
    const Store::Ordering order = Ordering(sort);  // a bad sort key fails before the write
    store_.Set(user, r, removeNew);
    return OutSeq(store_.List(MatchesAny(filter), order));
  }

  tr::TestRecordSeq* deleteTestRecordList(AccessToken_ptr token,
                                          const tr::TestRecordFilterSeq& filter,
                                          const tr::SortierungStruct& sort, const char* oidEmployee,
                                          const char* oid, CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteTestRecordList",
              {CountArg(filter), Arg(sort), Arg(oidEmployee), Arg(oid), Arg(version)}, filter);
    const Store::Ordering order = Ordering(sort);
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
    return OutSeq(store_.List(MatchesAny(filter), order));
  }

  void createTestReport(AccessToken_ptr token, const char* oidPCompany, CORBA::Long lines,
                        basictypes::ReportFileStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "createTestReport", {Arg(oidPCompany), Arg(lines)});
    NeedCallback(callback);
    if (lines < 0) throw ax::DomainException(L"line count must not be negative");
    // Characters outside the BMP on purpose: they travel as UTF-16 pairs.
    const std::wstring tail =
        L" of report " + Widen(oidPCompany) + Widen(u8" \U0001D518\U0001F0A1");
    basictypes::ReportFileSeq report;
    report.length(static_cast<CORBA::ULong>(lines));
    for (CORBA::ULong i = 0; i < report.length(); ++i) {
      report[i] = (L"line " + std::to_wstring(i + 1) + tail).c_str();
    }
    Stream<basictypes::ReportFileStructCallback>(callback, std::move(report), call);
  }

 private:
  static void NeedCallback(CORBA::Object_ptr callback) {
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
  }

  Store& store_;
};

ostrel::server::RegisterServant<TestRecordServantImpl> registration(
    ostrel::TestRecordService::kName);

}  // namespace
