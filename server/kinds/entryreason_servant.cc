// Entry reasons in the reference server: the catalogue of reasons an
// employment or entry names by object id, on the generic record store.
//
// Rules a client can rely on:
//   - Seeded: ER-1 "New hire", ER-2 "Re-entry", ER-3 "Transfer", ER-4
//     "Apprenticeship", ER-5 "Return from leave" (keys 1 to 5), valid from
//     2000-01-01.
//   - A write needs a positive key that no other entry reason has and a
//     short description (DomainException). Answers carry the record's object
//     id as the period's oidEntryReason.
//   - deleteEntryReason refuses a reason that an employment's latest period
//     names (DomainException).
//   - Filters (several: any of them; none: every entry reason not deleted):
//     key equal (its text must be a number, DomainException otherwise);
//     short and long description contain the text. Sort keys: entryReason,
//     shortDescription.
//   - getEffectiveEntryReasonHistory takes the destination time point as a
//     date text (empty: today).
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee_records.h"
#include "entryreason_kind.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace ostrel {
namespace server {
namespace {

namespace er = com::ostrel::personnel::domain::designationtype::entryreason;
namespace em = com::ostrel::personnel::domain::employee::employment;
using com::ostrel::serverbase::query::SortierungStruct;
using Store = RecordStore<er::EntryReasonStruct>;

Store& ReasonStore(Core& core) { return core.Store<er::EntryReasonStruct>("ER"); }

std::string OidOf(const er::EntryReasonStruct& r) {
  return r.entryReasonRoot.objectStruct.objectid.in();
}

er::EntryReasonStruct Answer(er::EntryReasonStruct r) {
  r.entryReasonTP.oidEntryReason = r.entryReasonRoot.objectStruct.objectid;
  return r;
}

er::EntryReasonSeq* AnswerSeq(const std::vector<er::EntryReasonStruct>& items) {
  auto* seq = new er::EntryReasonSeq(ToSeq<er::EntryReasonSeq>(items));
  for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Answer((*seq)[i]);
  return seq;
}

void Check(Store& store, const er::EntryReasonStruct& r) {
  const CORBA::Long key = r.entryReasonRoot.entryReason;
  if (key <= 0) store_detail::Domain("entry reason key must be positive");
  if (*r.entryReasonTP.shortDescription.in() == '\0') {
    store_detail::Domain("short description is missing");
  }
  const std::string oid = OidOf(r);
  const bool taken = !store
                          .List([&](const er::EntryReasonStruct& other) {
                            return other.entryReasonRoot.entryReason == key &&
                                   oid != other.entryReasonRoot.objectStruct.objectid.in();
                          })
                          .empty();
  if (taken) store_detail::Domain("entry reason key " + std::to_string(key) + " exists");
}

bool Contains(const char* text, const char* part) { return std::strstr(text, part) != nullptr; }

void CheckFilters(const er::EntryReasonFilterSeq& filters) {
  for (CORBA::ULong i = 0; i < filters.length(); ++i) {
    const std::string key = filters[i].entryReason.in();
    if (key.find_first_not_of("0123456789") != std::string::npos || key.size() > 9) {
      store_detail::Domain("entry reason key '" + key + "' is not a number");
    }
  }
}

bool Matches(const er::EntryReasonFilterStruct& f, const er::EntryReasonStruct& r) {
  const std::string key = f.entryReason.in();
  if (!key.empty() && std::stol(key) != r.entryReasonRoot.entryReason) return false;
  return Contains(r.entryReasonTP.shortDescription.in(), f.shortDescription.in()) &&
         Contains(r.entryReasonTP.longDescription.in(), f.longDescription.in());
}

Store::Ordering Ordering(const SortierungStruct& sort) {
  using R = er::EntryReasonStruct;
  static const std::map<std::string, SortField<R>> kFields = {
      {"entryReason", MemberKey<&R::entryReasonRoot, &er::EntryReasonRootStruct::entryReason>()},
      {"shortDescription",
       MemberKey<&R::entryReasonTP, &er::EntryReasonTPStruct::shortDescription>()},
  };
  return MakeOrdering<R>(sort, kFields);
}

struct SeedReason {
  CORBA::Long key;
  const char* short_description;
  const char* long_description;
};

const SeedReason kReasons[] = {
    {1, "New hire", "Employee newly hired"},
    {2, "Re-entry", "Former employee entering again"},
    {3, "Transfer", "Transfer from another company of the group"},
    {4, "Apprenticeship", "Start of an apprenticeship"},
    {5, "Return from leave", "Return after parental or care leave"},
};

// Before the employee records, whose employments name ER-1.
RegisterSeeder seeder(kEmployeeRecordsSeedOrder - 5, [](Core& core) {
  for (const SeedReason& s : kReasons) {
    er::EntryReasonStruct r{};
    r.entryReasonRoot.entryReason = s.key;
    r.entryReasonTP.timePeriod.effectiveFrom = "2000-01-01";
    r.entryReasonTP.timePeriod.internalValidFrom = "2000-01-01";
    r.entryReasonTP.timePeriod.validUntil = dates::kOpenEnd;
    r.entryReasonTP.shortDescription = s.short_description;
    r.entryReasonTP.longDescription = s.long_description;
    ReasonStore(core).Create(L"seed", r);
  }
});

class EntryReasonServantImpl
    : public POA_com::ostrel::personnel::domain::designationtype::entryreason::EntryReasonServant,
      public RecordServant {
 public:
  explicit EntryReasonServantImpl(Core& core) : RecordServant(core), store_(ReasonStore(core)) {}

  er::EntryReasonStruct* createEntryReason(AccessToken_ptr token,
                                           const er::EntryReasonStruct& r) override {
    const std::wstring user = Enter(token, "createEntryReason", {RecordArg(r)}, r);
    Check(store_, r);
    return new er::EntryReasonStruct(Answer(store_.Create(user, r)));
  }

  er::EntryReasonStruct* addEntryReason(AccessToken_ptr token, const er::EntryReasonStruct& r,
                                        CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(
        token, "addEntryReason",
        {RecordArg(r), Arg(r.entryReasonTP.timePeriod.internalValidFrom.in()), Arg(removeNew)}, r);
    Check(store_, r);
    return new er::EntryReasonStruct(Answer(store_.Add(user, r, removeNew)));
  }

  er::EntryReasonStruct* setEntryReason(AccessToken_ptr token, const er::EntryReasonStruct& r,
                                        CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(
        token, "setEntryReason",
        {RecordArg(r), Arg(r.entryReasonTP.timePeriod.internalValidFrom.in()), Arg(removeNew)}, r);
    Check(store_, r);
    return new er::EntryReasonStruct(Answer(store_.Set(user, r, removeNew)));
  }

  void deleteEntryReason(AccessToken_ptr token, const char* oid, CORBA::Long version) override {
    const std::wstring user = Enter(token, "deleteEntryReason", {Arg(oid), Arg(version)});
    const bool used = !core_.Store<em::EEEmploymentStruct>("EM")
                           .List([oid](const em::EEEmploymentStruct& e) {
                             return std::strcmp(oid, e.employment.oidEntryReason.in()) == 0;
                           })
                           .empty();
    if (used) store_detail::Domain("entry reason '" + std::string(oid) + "' is in use");
    store_.Delete(user, oid, version, nullptr);
  }

  er::EntryReasonSeq* getActiveEntryReasons(AccessToken_ptr token,
                                            const er::EntryReasonFilterSeq& filter,
                                            const SortierungStruct& sort) override {
    Enter(token, "getActiveEntryReasons", {CountArg(filter), Arg(sort)}, filter);
    CheckFilters(filter);
    return AnswerSeq(store_.List(
        [&filter](const er::EntryReasonStruct& r) {
          if (filter.length() == 0) return true;
          for (CORBA::ULong i = 0; i < filter.length(); ++i) {
            if (Matches(filter[i], r)) return true;
          }
          return false;
        },
        Ordering(sort)));
  }

  er::EntryReasonSeq* getActiveEffectiveEntryReasonHistory(AccessToken_ptr token,
                                                           const char* oid) override {
    Enter(token, "getActiveEffectiveEntryReasonHistory", {Arg(oid)});
    return AnswerSeq(store_.ActiveHistory(oid));
  }

  er::EntryReasonSeq* getAllEntryReasonHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllEntryReasonHistory", {Arg(oid)});
    return AnswerSeq(store_.AllHistory(oid));
  }

  er::EntryReasonSeq* getEffectiveEntryReasonHistory(AccessToken_ptr token, const char* oid,
                                                     const char* destinationTimePoint) override {
    Enter(token, "getEffectiveEntryReasonHistory", {Arg(oid), Arg(destinationTimePoint)},
          DateArg{"destinationTimePoint", destinationTimePoint});
    return AnswerSeq(store_.EffectiveHistory(oid, destinationTimePoint));
  }

 private:
  Store& store_;
};

RegisterServant<EntryReasonServantImpl> registration(EntryReasonService::kName);

}  // namespace

bool EntryReasonExists(Core& core, const std::string& oidEntryReason) {
  return !ReasonStore(core)
              .List([&](const er::EntryReasonStruct& r) { return OidOf(r) == oidEntryReason; })
              .empty();
}

}  // namespace server
}  // namespace ostrel
