// RecordStore<Struct>: the in-memory store behind every record kind.
//
// A record is a root identity plus a chain of periods (its history). Each
// period keeps the whole struct as last written; the time-independent part is
// taken from the latest write when a record is handed out. A period covers
// [internalValidFrom, validUntil]; the periods of a record that are not
// superseded form a chain ordered by internalValidFrom.
//
// Writing a period at internalValidFrom D (create, set, add):
//   - another period starting at D is superseded (replaced);
//   - with removeNew and an open validUntil, the periods starting after D are
//     superseded too; otherwise the written period ends the day before the
//     next one starts;
//   - the period before D ends the day before D.
// Superseded periods stay in the full history only.
//
// Every change raises the record's version by one and stamps it with the
// time and the user; a changed period gets the same on its own identity.
//
// Per-employee records (a layout with kKeyedByEmployee, see
// EmployeeRecordLayout) are keyed by the employee's object id instead: one
// record per employee, created for an employee without one; their root
// identity is the employee's and is handed out as written, so only period
// versions are checked; a deleted one is gone, and the employee may get a new
// one.
// Errors are the IDL application exceptions, raised as they are.
#ifndef OSTREL_SERVER_RECORD_STORE_H_
#define OSTREL_SERVER_RECORD_STORE_H_

#include <algorithm>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dates.h"
#include "record_layout.h"
#include "serverbase.hh"
#include "text.h"

namespace ostrel::server {

// Anything the control's reset() empties.
class ResettableStore {
 public:
  virtual ~ResettableStore() = default;
  virtual void Clear() = 0;
  // Forgets every record of an employee that is deleted as a whole.
  virtual void ForgetEmployee(const std::string& oidEmployee) = 0;
};

namespace store_detail {

namespace ax = com::ostrel::serverbase::applicationexception;

// Record kinds with a root struct share it across periods; others keep
// everything in the period.
template <class S>
auto CopyRoot(S& to, const S& from, int) -> decltype(to.root = from.root, void()) {
  to.root = from.root;
}
template <class S>
void CopyRoot(S&, const S&, long) {}

template <class S>
auto MarkDeleted(S& s, bool deleted, int) -> decltype(s.root.isDeleted = deleted, void()) {
  s.root.isDeleted = deleted;
}
template <class S>
void MarkDeleted(S&, bool, long) {}

[[noreturn]] inline void Persistency(const std::string& message) {
  throw ax::PersistencyException(Widen(message).c_str());
}
[[noreturn]] inline void Domain(const std::string& message) {
  throw ax::DomainException(Widen(message).c_str());
}
[[noreturn]] inline void ApplicationLayer(const std::string& message) {
  throw ax::ApplicationLayerException(Widen(message).c_str());
}

inline void CheckDate(const std::string& text) {
  if (!dates::IsUnset(text) && !dates::IsValid(text)) Domain("invalid date '" + text + "'");
}

template <class L, class = void>
struct KeyedByEmployee : std::false_type {};
template <class L>
struct KeyedByEmployee<L, std::void_t<decltype(L::kKeyedByEmployee)>>
    : std::bool_constant<L::kKeyedByEmployee> {};

inline void ClearIdentity(ObjectStruct& id) {
  id.objectid = "";
  id.version = 0;
  id.timestamp = "";
  id.lastuserid = L"";
}

}  // namespace store_detail

template <class Struct>
class RecordStore : public ResettableStore {
 public:
  using Layout = ::ostrel::RecordLayout<Struct>;
  using Predicate = std::function<bool(const Struct&)>;
  using Ordering = std::function<bool(const Struct&, const Struct&)>;
  static constexpr bool kByEmployee = store_detail::KeyedByEmployee<Layout>::value;

  // prefix: start of the record ids of this kind, e.g. "TR" gives "TR-1",
  // whose periods are "TR-1-P1", "TR-1-P2", ...
  explicit RecordStore(std::string prefix) : prefix_(std::move(prefix)) {}

  Struct Create(const std::wstring& user, const Struct& in) {
    const std::string given = Layout::RootIdentity(in).objectid.in();
    if (kByEmployee && given.empty()) store_detail::ApplicationLayer("create: no employee given");
    if (!kByEmployee && !given.empty()) {
      store_detail::ApplicationLayer("create: record already has object id '" + given + "'");
    }
    Struct s = in;
    Normalize(s);
    std::lock_guard<std::mutex> lock(mu_);
    if (kByEmployee && index_.count(given) != 0) {
      store_detail::Persistency("employee '" + given + "' already has a record");
    }
    Record r;
    ++created_;
    r.oid = kByEmployee ? given : prefix_ + "-" + std::to_string(created_);
    r.created = created_;
    index_.emplace(r.oid, records_.size());
    records_.push_back(std::move(r));
    Record& rec = records_.back();
    rec.periods.push_back(Period{});
    NewPeriodIdentity(rec, rec.periods.back(), user);
    Write(rec, 0, s, user, false);
    return Output(rec, rec.periods[0]);
  }

  // Replaces the period named by the struct's period id (the latest period
  // when that id is empty).
  Struct Set(const std::wstring& user, const Struct& in, bool removeNew) {
    Struct s = in;
    Normalize(s);
    std::lock_guard<std::mutex> lock(mu_);
    Record& rec = Writable(s);
    const ObjectStruct& pid = Layout::PeriodIdentity(s);
    const std::string period_oid = pid.objectid.in();
    size_t target = Latest(rec);
    if (!period_oid.empty()) {
      target = FindPeriod(rec, period_oid);
      Period& p = rec.periods[target];
      if (p.superseded) {
        store_detail::Persistency("period '" + period_oid + "' has been superseded");
      }
      CheckVersion(period_oid, pid.version, Layout::PeriodIdentity(p.data).version);
      Layout::PeriodIdentity(p.data).version += 1;
    } else {
      Layout::PeriodIdentity(rec.periods[target].data).version += 1;
    }
    Write(rec, target, s, user, removeNew);
    return Output(rec, rec.periods[target]);
  }

  // Starts a new period at the struct's internalValidFrom.
  Struct Add(const std::wstring& user, const Struct& in, bool removeNew) {
    Struct s = in;
    Normalize(s);
    std::lock_guard<std::mutex> lock(mu_);
    Record& rec = Writable(s);
    rec.periods.push_back(Period{});
    NewPeriodIdentity(rec, rec.periods.back(), user);
    const size_t target = rec.periods.size() - 1;
    Write(rec, target, s, user, removeNew);
    return Output(rec, rec.periods[target]);
  }

  // oidEmployee, when given, must be the record's employee.
  void Delete(const std::wstring& user, const std::string& oid, CORBA::Long version,
              const std::string* oidEmployee) {
    std::lock_guard<std::mutex> lock(mu_);
    Record& rec = Checked(oid, version, oidEmployee);
    if (rec.deleted) store_detail::Persistency("record '" + oid + "' is already deleted");
    rec.deleted = true;
    // The mark keeps the version: a client restores with the version it
    // deleted with.
    Mark(rec, user);
    if (kByEmployee) index_.erase(oid);
  }

  void Restore(const std::wstring& user, const std::string& oid, CORBA::Long version,
               const std::string* oidEmployee) {
    std::lock_guard<std::mutex> lock(mu_);
    Record& rec = Checked(oid, version, oidEmployee);
    if (!rec.deleted) store_detail::Persistency("record '" + oid + "' is not deleted");
    rec.deleted = false;
    Mark(rec, user);
  }

  // The period in force at an effective date; the latest period when the
  // date is not set.
  Struct Get(const std::string& oid, const std::string& effective) const {
    store_detail::CheckDate(effective);
    std::lock_guard<std::mutex> lock(mu_);
    const Record& rec = Find(oid);
    return Output(rec, rec.periods[PickAt(rec, effective)]);
  }

  // As Get, but among all periods (superseded ones included) whose validity
  // contains `valid`.
  Struct GetAt(const std::string& oid, const std::string& effective,
               const std::string& valid) const {
    store_detail::CheckDate(effective);
    store_detail::CheckDate(valid);
    std::lock_guard<std::mutex> lock(mu_);
    const Record& rec = Find(oid);
    if (dates::IsUnset(valid)) return Output(rec, rec.periods[PickAt(rec, effective)]);
    std::vector<size_t> candidates;
    for (size_t i = 0; i < rec.periods.size(); ++i) {
      const auto& tp = Layout::Period(rec.periods[i].data);
      if (tp.internalValidFrom.in() <= valid && valid <= tp.validUntil.in()) {
        candidates.push_back(i);
      }
    }
    if (!dates::IsUnset(effective)) {
      std::vector<size_t> narrowed;
      for (size_t i : candidates) {
        if (EffectiveAt(rec.periods[i], effective)) narrowed.push_back(i);
      }
      if (!narrowed.empty()) candidates.swap(narrowed);
    }
    if (candidates.empty()) return Output(rec, rec.periods[PickAt(rec, effective)]);
    // The latest write among them: a period is only ever superseded by a
    // later write.
    const size_t pick = *std::max_element(
        candidates.begin(), candidates.end(),
        [&](size_t a, size_t b) { return rec.periods[a].written < rec.periods[b].written; });
    return Output(rec, rec.periods[pick]);
  }

  // The record as it is with the given period, superseded or not.
  std::optional<Struct> FindByPeriod(const std::string& periodOid) const {
    std::lock_guard<std::mutex> lock(mu_);
    auto it = period_owner_.find(periodOid);
    if (it == period_owner_.end()) return std::nullopt;
    const Record& rec = records_[it->second];
    return Output(rec, rec.periods[FindPeriod(rec, periodOid)]);
  }

  // Every period, superseded ones included.
  std::vector<Struct> AllHistory(const std::string& oid) const {
    return History(oid, [](const Period&) { return true; });
  }

  // The periods that are not superseded.
  std::vector<Struct> ActiveHistory(const std::string& oid) const {
    return History(oid, [](const Period& p) { return !p.superseded; });
  }

  // The periods not superseded that are effective at a date (today if unset).
  std::vector<Struct> EffectiveHistory(const std::string& oid, const std::string& date) const {
    store_detail::CheckDate(date);
    const std::string at = dates::IsUnset(date) ? dates::Today() : date;
    return History(oid, [&](const Period& p) { return !p.superseded && EffectiveAt(p, at); });
  }

  // Records not deleted (all with `with_deleted`), each with its latest
  // period, that satisfy pred; ordered by `less` or else in creation order.
  // pred and less run under the store's lock and must not call the store.
  std::vector<Struct> List(const Predicate& pred, const Ordering& less = {},
                           bool with_deleted = false) const {
    std::vector<Struct> out;
    {
      std::lock_guard<std::mutex> lock(mu_);
      for (const Record& rec : records_) {
        if (rec.deleted && !with_deleted) continue;
        Struct s = Output(rec, rec.periods[Latest(rec)]);
        if (!pred || pred(s)) out.push_back(std::move(s));
      }
    }
    if (less) std::stable_sort(out.begin(), out.end(), less);
    return out;
  }

  // An employee's records (not deleted) as templates for a new employee:
  // the period in force at validFrom, identities cleared, internalValidFrom
  // := validFrom.
  std::vector<Struct> CopyForEmployee(const std::string& oidEmployee,
                                      const std::string& validFrom) const {
    store_detail::CheckDate(validFrom);
    std::vector<Struct> out;
    std::lock_guard<std::mutex> lock(mu_);
    for (const Record& rec : records_) {
      if (rec.deleted || rec.employee != oidEmployee) continue;
      Struct s = Output(rec, rec.periods[PickAt(rec, validFrom)]);
      store_detail::ClearIdentity(Layout::RootIdentity(s));
      store_detail::ClearIdentity(Layout::PeriodIdentity(s));
      Layout::Period(s).internalValidFrom = validFrom.c_str();
      out.push_back(std::move(s));
    }
    return out;
  }

  void Clear() override {
    std::lock_guard<std::mutex> lock(mu_);
    records_.clear();
    index_.clear();
    period_owner_.clear();
    created_ = 0;
    written_ = 0;
  }

  void ForgetEmployee(const std::string& oidEmployee) override {
    std::lock_guard<std::mutex> lock(mu_);
    records_.erase(std::remove_if(records_.begin(), records_.end(),
                                  [&](const Record& r) { return r.employee == oidEmployee; }),
                   records_.end());
    index_.clear();
    period_owner_.clear();
    for (size_t i = 0; i < records_.size(); ++i) {
      const Record& rec = records_[i];
      if (!kByEmployee || !rec.deleted) index_[rec.oid] = i;
      for (const Period& p : rec.periods) {
        period_owner_.emplace(Layout::PeriodIdentity(p.data).objectid.in(), i);
      }
    }
  }

  // Whether a record has the id (a deleted per-employee record has none).
  bool Has(const std::string& oid) const {
    std::lock_guard<std::mutex> lock(mu_);
    return index_.count(oid) != 0;
  }

  size_t size() const {
    std::lock_guard<std::mutex> lock(mu_);
    return records_.size();
  }

 private:
  struct Period {
    Struct data{};  // period identity kept current; root part as last written
    bool superseded = false;
    std::uint64_t written = 0;
  };
  struct Record {
    std::string oid;
    CORBA::Long version = 0;
    std::string timestamp;
    std::wstring user;
    bool deleted = false;
    Struct root{};  // the latest struct written: source of the root part
    std::string employee;
    std::vector<Period> periods;
    std::uint64_t created = 0;
    int next_period = 1;
  };

  static std::string Ivf(const Period& p) { return Layout::Period(p.data).internalValidFrom.in(); }
  static std::string Until(const Period& p) { return Layout::Period(p.data).validUntil.in(); }

  // Effective range: effectiveFrom..effectiveUntil where set, the validity
  // where not.
  static bool EffectiveAt(const Period& p, const std::string& date) {
    const auto& tp = Layout::Period(p.data);
    std::string from = tp.effectiveFrom.in();
    std::string until = tp.effectiveUntil.in();
    if (dates::IsUnset(from)) from = tp.internalValidFrom.in();
    if (dates::IsUnset(until)) until = tp.validUntil.in();
    return from <= date && date <= until;
  }

  // Fills the defaults of the validity and rejects dates that cannot be.
  static void Normalize(Struct& s) {
    auto& tp = Layout::Period(s);
    const std::string ef = tp.effectiveFrom.in();
    const std::string eu = tp.effectiveUntil.in();
    std::string ivf = tp.internalValidFrom.in();
    std::string vu = tp.validUntil.in();
    store_detail::CheckDate(ef);
    store_detail::CheckDate(eu);
    store_detail::CheckDate(ivf);
    store_detail::CheckDate(vu);
    if (!dates::IsUnset(ef) && !dates::IsUnset(eu) && eu < ef) {
      store_detail::Domain("effective period ends before it starts");
    }
    if (dates::IsUnset(ivf)) ivf = dates::IsUnset(ef) ? dates::Today() : ef;
    if (dates::IsUnset(vu)) vu = dates::kOpenEnd;
    tp.internalValidFrom = ivf.c_str();
    tp.validUntil = vu.c_str();
  }

  [[noreturn]] static void Unknown(const std::string& oid) {
    store_detail::Persistency("unknown object id '" + oid + "'");
  }

  static void CheckVersion(const std::string& oid, CORBA::Long given, CORBA::Long stored) {
    if (given != stored) {
      store_detail::Persistency("stale version " + std::to_string(given) + " of '" + oid +
                                "' (stored version " + std::to_string(stored) + ")");
    }
  }

  const Record& Find(const std::string& oid) const {
    auto it = index_.find(oid);
    if (it == index_.end()) Unknown(oid);
    return records_[it->second];
  }
  Record& Find(const std::string& oid) {
    return const_cast<Record&>(static_cast<const RecordStore*>(this)->Find(oid));
  }

  // The record a set or add writes to: known, not deleted, same version.
  Record& Writable(const Struct& s) {
    const ObjectStruct& id = Layout::RootIdentity(s);
    const std::string oid = id.objectid.in();
    Record& rec = Find(oid);
    if (rec.deleted) store_detail::Persistency("record '" + oid + "' is deleted");
    if (!kByEmployee) CheckVersion(oid, id.version, rec.version);
    return rec;
  }

  Record& Checked(const std::string& oid, CORBA::Long version, const std::string* oidEmployee) {
    Record& rec = Find(oid);
    if (oidEmployee && *oidEmployee != rec.employee) {
      store_detail::Persistency("record '" + oid + "' does not belong to employee '" +
                                *oidEmployee + "'");
    }
    if (!kByEmployee) CheckVersion(oid, version, rec.version);
    return rec;
  }

  static size_t FindPeriod(const Record& rec, const std::string& periodOid) {
    for (size_t i = 0; i < rec.periods.size(); ++i) {
      if (periodOid == Layout::PeriodIdentity(rec.periods[i].data).objectid.in()) return i;
    }
    Unknown(periodOid);
  }

  // Indexes of the periods not superseded, by internalValidFrom.
  static std::vector<size_t> Chain(const Record& rec) {
    std::vector<size_t> chain;
    for (size_t i = 0; i < rec.periods.size(); ++i) {
      if (!rec.periods[i].superseded) chain.push_back(i);
    }
    std::sort(chain.begin(), chain.end(),
              [&](size_t a, size_t b) { return Ivf(rec.periods[a]) < Ivf(rec.periods[b]); });
    return chain;
  }

  static size_t Latest(const Record& rec) { return Chain(rec).back(); }

  // The period valid at the date; else the latest one effective at it; else
  // the latest one starting on or before it; else the first.
  static size_t PickAt(const Record& rec, const std::string& date) {
    const std::vector<size_t> chain = Chain(rec);
    if (dates::IsUnset(date)) return chain.back();
    for (size_t i : chain) {
      const Period& p = rec.periods[i];
      if (Ivf(p) <= date && date <= Until(p)) return i;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (EffectiveAt(rec.periods[*it], date)) return *it;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (Ivf(rec.periods[*it]) <= date) return *it;
    }
    return chain.front();
  }

  void NewPeriodIdentity(Record& rec, Period& p, const std::wstring& user) {
    const std::string oid =
        (kByEmployee ? prefix_ + "-" : "") + rec.oid + "-P" + std::to_string(rec.next_period++);
    period_owner_.emplace(oid, index_.at(rec.oid));
    ObjectStruct& id = Layout::PeriodIdentity(p.data);
    id.objectid = oid.c_str();
    id.version = 1;
    id.timestamp = dates::NowStamp().c_str();
    id.lastuserid = user.c_str();
  }

  static void Stamp(ObjectStruct& id, const std::wstring& user) {
    id.timestamp = dates::NowStamp().c_str();
    id.lastuserid = user.c_str();
  }

  void Mark(Record& rec, const std::wstring& user) {
    rec.timestamp = dates::NowStamp();
    rec.user = user;
  }

  void Touch(Record& rec, const std::wstring& user) {
    rec.version += 1;
    rec.timestamp = dates::NowStamp();
    rec.user = user;
  }

  // Writes s into period `target` (whose identity is already set) and
  // settles the chain around it.
  void Write(Record& rec, size_t target, const Struct& s, const std::wstring& user,
             bool removeNew) {
    Period& p = rec.periods[target];
    const ObjectStruct id = Layout::PeriodIdentity(p.data);
    p.data = s;
    Layout::PeriodIdentity(p.data) = id;
    Stamp(Layout::PeriodIdentity(p.data), user);
    p.written = ++written_;
    p.superseded = false;
    rec.root = s;
    rec.employee = Layout::EmployeeOid(s);

    const std::string from = Ivf(p);
    const bool open = Until(p) == dates::kOpenEnd;
    for (size_t i = 0; i < rec.periods.size(); ++i) {
      Period& q = rec.periods[i];
      if (i == target || q.superseded) continue;
      if (Ivf(q) == from || (removeNew && open && Ivf(q) > from)) q.superseded = true;
    }

    // A written period that ends before it starts runs to the next one.
    if (Until(p) < from) Layout::Period(p.data).validUntil = dates::kOpenEnd;
    const std::vector<size_t> chain = Chain(rec);
    for (size_t k = 0; k + 1 < chain.size(); ++k) {
      Period& a = rec.periods[chain[k]];
      const std::string next = Ivf(rec.periods[chain[k + 1]]);
      const bool before_written = chain[k + 1] == target;
      if (Until(a) >= next || (before_written && Until(a) != dates::DayBefore(next))) {
        Layout::Period(a.data).validUntil = dates::DayBefore(next).c_str();
        if (chain[k] != target) {
          Layout::PeriodIdentity(a.data).version += 1;
          Stamp(Layout::PeriodIdentity(a.data), user);
        }
      }
    }
    Touch(rec, user);
  }

  Struct Output(const Record& rec, const Period& p) const {
    Struct out = p.data;
    store_detail::CopyRoot(out, rec.root, 0);
    if (kByEmployee) {
      Layout::RootPart(out) = Layout::RootPart(rec.root);
      return out;
    }
    ObjectStruct& id = Layout::RootIdentity(out);
    id.objectid = rec.oid.c_str();
    id.version = rec.version;
    id.timestamp = rec.timestamp.c_str();
    id.lastuserid = rec.user.c_str();
    store_detail::MarkDeleted(out, rec.deleted, 0);
    return out;
  }

  template <class Filter>
  std::vector<Struct> History(const std::string& oid, Filter keep) const {
    std::lock_guard<std::mutex> lock(mu_);
    const Record& rec = Find(oid);
    std::vector<const Period*> periods;
    for (const Period& p : rec.periods) {
      if (keep(p)) periods.push_back(&p);
    }
    std::stable_sort(periods.begin(), periods.end(), [](const Period* a, const Period* b) {
      return Ivf(*a) != Ivf(*b) ? Ivf(*a) < Ivf(*b) : a->written < b->written;
    });
    std::vector<Struct> out;
    out.reserve(periods.size());
    for (const Period* p : periods) out.push_back(Output(rec, *p));
    return out;
  }

  const std::string prefix_;
  mutable std::mutex mu_;
  std::vector<Record> records_;  // creation order
  std::unordered_map<std::string, size_t> index_;
  std::unordered_map<std::string, size_t> period_owner_;
  std::uint64_t created_ = 0;
  std::uint64_t written_ = 0;
};

// A result list as its IDL sequence.
template <class Seq, class Struct>
Seq ToSeq(const std::vector<Struct>& items) {
  Seq seq;
  seq.length(static_cast<CORBA::ULong>(items.size()));
  for (CORBA::ULong i = 0; i < seq.length(); ++i) seq[i] = items[i];
  return seq;
}

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_RECORD_STORE_H_
