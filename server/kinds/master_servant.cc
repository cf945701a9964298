// Master data in the reference server: one record per employee, keyed by the
// employee (employee_records.h), with the name look-ups and the deletion of
// a whole employee.
//
// Rules a client can rely on:
//   - Answers carry the employee's short view as it is now, the employee's
//     contacts and notes, and never photo bytes: photos are kept apart, per
//     master period, and read with getPhoto (employee, period id, period
//     version). A write with bytes stores them for the written period; one
//     without bytes and without file name removes the period's photo; one
//     without bytes but with a file name keeps the photo (a new period takes
//     that of the period it was made from).
//   - Contacts and notes belong to the employee, not to a period: a write
//     replaces them with the ones it carries; new ones (no object id) get
//     "CT-<n>" / "NT-<n>", an id the employee does not have is refused
//     (PersistencyException).
//   - createMaster with an employee id stores the first master record of that
//     employee; without one it enters a new employee of the root's company
//     (personnel number: the root's when free, its company's next one for 0).
//     A surname is required; dates must be dates (DomainException).
//   - Every write copies title, surname, name prefix, first name and sex of
//     the latest period into the employee's short view.
//   - deleteEmployee takes the employee's version from its short view; it
//     refuses employees with journalized months (deletePossible false) and
//     otherwise removes the employee with every record of every kind.
//   - existsAccounts: the employee has a service user (a service user code in
//     the latest period); deleteServiceUser removes it from the latest period
//     (DomainException when there is none).
//   - Filters (several: any of them; none: every employee with master data):
//     state language, sex, civil status, company, personnel number and form
//     of address equal; postal code, surname and first name start with the
//     text; date of birth compared by dateComparer ("", "=", "<", "<=", ">",
//     ">="; anything else DomainException); list display 0 active, 1
//     withdrawn, 2 all, withdrawn meaning before the fixed date of withdrawal
//     (today when not set). The extended filter travels but does not select.
//     getActiveMasterCB needs a company and selects within it. Sort keys:
//     personnelNumber, surname, firstname, dateOfBirth, postalCode,
//     oidPCompany.
//   - Linked histories: those of the employee and of the employees linked to
//     it by copies (LinkedEmployees), in that order.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee_records.h"
#include "employees.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sequences.h"
#include "sorting.h"
#include "text.h"

namespace ostrel::server {
namespace {

namespace ms = com::ostrel::personnel::domain::employee::master;
namespace ee = com::ostrel::personnel::domain::employee;
namespace ct = com::ostrel::personnel::domain::employee::contacts;
namespace nt = com::ostrel::personnel::domain::employee::notes;
namespace bt = com::ostrel::personnel::framework::basictypes;
namespace fbt = com::ostrel::framework::basictypes;
using com::ostrel::serverbase::query::SortierungStruct;
using Store = RecordStore<ms::EEMasterStruct>;

Store& MasterStore(Core& core);

std::string OidOf(const ms::EEMasterStruct& r) { return r.root.objectStruct.objectid.in(); }

// --- kept apart from the records ------------------------------------------

struct Side {
  std::mutex mu;
  std::map<std::string, std::vector<CORBA::Octet>> photos;  // by master period
  std::map<std::string, ct::EmployeeContactSeq> contacts;   // by employee
  std::map<std::string, nt::EmployeeNoteSeq> notes;         // by employee
  long next_contact = 1;
  long next_note = 1;
};

Side& SideOf(Core& core) {
  static std::mutex mu;
  static std::map<const Core*, std::unique_ptr<Side>> sides;
  std::lock_guard<std::mutex> lock(mu);
  std::unique_ptr<Side>& slot = sides[&core];
  if (!slot) slot = std::make_unique<Side>();
  return *slot;
}

// New entries get an identity; the others must be the employee's.
template <class Seq>
void Identify(Seq& items, const Seq* known, const char* prefix, long& next,
              const std::wstring& user) {
  for (CORBA::ULong i = 0; i < items.length(); ++i) {
    auto& id = items[i].objectStruct;
    const std::string oid = id.objectid.in();
    if (oid.empty()) {
      id.objectid = (std::string(prefix) + "-" + std::to_string(next++)).c_str();
      id.version = 1;
      id.timestamp = dates::NowStamp().c_str();
      id.lastuserid = user.c_str();
      continue;
    }
    bool found = false;
    for (CORBA::ULong k = 0; known && k < known->length() && !found; ++k) {
      found = oid == (*known)[k].objectStruct.objectid.in();
    }
    if (!found) store_detail::Persistency("unknown object id '" + oid + "'");
  }
}

// Takes contacts, notes and photo of a write; `stored` is the record as the
// store wrote it. `in` is changed (identities of new contacts and notes).
void KeepSide(Core& core, const std::wstring& user, ms::EEMasterStruct& in,
              const ms::EEMasterStruct& stored) {
  Side& side = SideOf(core);
  std::lock_guard<std::mutex> lock(side.mu);
  const std::string oid = OidOf(stored);
  auto contacts = side.contacts.find(oid);
  auto notes = side.notes.find(oid);
  Identify(in.contacts, contacts == side.contacts.end() ? nullptr : &contacts->second, "CT",
           side.next_contact, user);
  Identify(in.notes, notes == side.notes.end() ? nullptr : &notes->second, "NT", side.next_note,
           user);
  side.contacts[oid] = in.contacts;
  side.notes[oid] = in.notes;

  const std::string period = stored.history.objectStruct.objectid.in();
  const ms::MasterStruct& m = in.history;
  if (m.photo.length() > 0) {
    side.photos[period].assign(m.photo.get_buffer(), m.photo.get_buffer() + m.photo.length());
  } else if (*m.photoFileName.in() == L'\0') {
    side.photos.erase(period);
  } else if (side.photos.count(period) == 0) {
    auto from = side.photos.find(m.objectStruct.objectid.in());
    if (from != side.photos.end()) side.photos[period] = from->second;
  }
}

void ForgetSide(Core& core, const std::string& oidEmployee,
                const std::vector<ms::EEMasterStruct>& periods) {
  Side& side = SideOf(core);
  std::lock_guard<std::mutex> lock(side.mu);
  side.contacts.erase(oidEmployee);
  side.notes.erase(oidEmployee);
  for (const ms::EEMasterStruct& p : periods)
    side.photos.erase(p.history.objectStruct.objectid.in());
}

// The record as clients see it.
ms::EEMasterStruct Answer(Core& core, ms::EEMasterStruct r) {
  const std::string oid = OidOf(r);
  if (std::optional<ee::EmployeeShortStruct> sv = FindEmployee(core, oid)) r.root = *sv;
  r.history.photo.length(0);
  Side& side = SideOf(core);
  std::lock_guard<std::mutex> lock(side.mu);
  auto contacts = side.contacts.find(oid);
  r.contacts = contacts == side.contacts.end() ? ct::EmployeeContactSeq() : contacts->second;
  auto notes = side.notes.find(oid);
  r.notes = notes == side.notes.end() ? nt::EmployeeNoteSeq() : notes->second;
  return r;
}

// The store keeps no photo bytes.
ms::EEMasterStruct Stripped(ms::EEMasterStruct r) {
  r.history.photo.length(0);
  return r;
}

// The short view shows the names of the latest master period.
void SyncNames(Core& core, const std::wstring& user, const std::string& oidEmployee) {
  const ms::MasterStruct latest = MasterStore(core).Get(oidEmployee, "").history;
  UpdateEmployee(core, oidEmployee, user, [&latest](ee::EmployeeShortStruct& sv) {
    sv.title = latest.title;
    sv.surname = latest.surname;
    sv.namePrefix = latest.namePrefix;
    sv.firstname = latest.firstname;
    sv.sexEnum = latest.sexEnum;
  });
}

void Check(const ms::EEMasterStruct& r) {
  if (*r.history.surname.in() == L'\0') store_detail::Domain("surname is missing");
}

// Writes through `write` (the store's Set or Add) and answers.
template <class Write>
ms::EEMasterStruct Written(Core& core, const std::wstring& user, const ms::EEMasterStruct& given,
                           Write write) {
  Check(given);
  const std::string oid = OidOf(given);
  KnownEmployee(core, oid);
  ms::EEMasterStruct in = given;
  in.history.oidEmployee = oid.c_str();
  const ms::EEMasterStruct stored = write(Stripped(in));
  KeepSide(core, user, in, stored);
  SyncNames(core, user, oid);
  return Answer(core, stored);
}

// --- filters --------------------------------------------------------------

bool BirthMatches(const std::string& birth, const std::string& wanted,
                  const std::string& comparer) {
  if (dates::IsUnset(wanted)) return true;
  if (dates::IsUnset(birth)) return false;
  if (comparer.empty() || comparer == "=") return birth == wanted;
  if (comparer == "<") return birth < wanted;
  if (comparer == "<=") return birth <= wanted;
  if (comparer == ">") return birth > wanted;
  return birth >= wanted;  // ">=", the only other comparer CheckFilters lets through
}

void CheckFilters(const ms::EEMasterFilterSeq& filters) {
  static const char* const kComparers[] = {"", "=", "<", "<=", ">", ">="};
  for (CORBA::ULong i = 0; i < filters.length(); ++i) {
    const ms::EEMasterFilterStruct& f = filters[i];
    const std::string comparer = f.dateComparer.in();
    if (std::none_of(std::begin(kComparers), std::end(kComparers),
                     [&](const char* c) { return comparer == c; })) {
      store_detail::Domain("unknown date comparer '" + comparer + "'");
    }
  }
}

bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }
bool StartsWith(const std::wstring& text, const CORBA::WChar* start) {
  return text.rfind(start, 0) == 0;
}

bool Matches(const ms::EEMasterFilterStruct& f, const ms::EEMasterStruct& r) {
  const ms::MasterStruct& m = r.history;
  const ee::EmployeeShortStruct& sv = r.root;
  auto equal_if_set = [](const char* wanted, const char* value) {
    return *wanted == '\0' || std::strcmp(wanted, value) == 0;
  };
  return equal_if_set(f.oidStateLanguage, m.oidStateLanguage) &&
         (!f.sex._d() || f.sex.sex() == m.sexEnum) &&
         (!f.civilStatusEnum._d() || f.civilStatusEnum.civilStatus() == m.civilStatus) &&
         StartsWith(m.postalCode.in(), f.postalCode.in()) &&
         equal_if_set(f.oidPCompany, sv.oidPCompany) &&
         (!f.personnelNumber._d() || f.personnelNumber.pnr() == sv.personnelNumber) &&
         StartsWith(m.surname.in(), f.surname.in()) &&
         equal_if_set(f.formOfAddress, m.formOfAddress) &&
         StartsWith(m.firstname.in(), f.firstname.in()) &&
         BirthMatches(m.dateOfBirth.in(), f.dateOfBirth.in(), f.dateComparer.in()) &&
         Listed(sv.dateOfWithDrawal.in(), f.listDisplayOfEmployeeEnum,
                f.fixedDateOfWithDrawal.in());
}

// A filter in the call log: the criteria that are set, the list display
// always. "oidPCompany=C-1;sex=2;listDisplay=0"
std::wstring FilterArg(const ms::EEMasterFilterStruct& f) {
  std::wstring out;
  auto add = [&out](const wchar_t* name, const std::wstring& value) {
    if (value.empty()) return;
    if (!out.empty()) out += L";";
    out += name;
    out += L"=" + value;
  };
  add(L"oidStateLanguage", Widen(f.oidStateLanguage.in()));
  if (f.sex._d()) add(L"sex", std::to_wstring(static_cast<int>(f.sex.sex())));
  if (f.civilStatusEnum._d()) {
    add(L"civilStatus", std::to_wstring(static_cast<int>(f.civilStatusEnum.civilStatus())));
  }
  add(L"postalCode", Widen(f.postalCode.in()));
  add(L"oidPCompany", Widen(f.oidPCompany.in()));
  if (f.personnelNumber._d()) add(L"personnelNumber", std::to_wstring(f.personnelNumber.pnr()));
  add(L"surname", f.surname.in());
  add(L"fixedDateOfWithDrawal", Widen(f.fixedDateOfWithDrawal.in()));
  add(L"formOfAddress", Widen(f.formOfAddress.in()));
  add(L"listDisplay", std::to_wstring(static_cast<int>(f.listDisplayOfEmployeeEnum)));
  add(L"firstname", f.firstname.in());
  add(L"dateOfBirth", Widen(f.dateOfBirth.in()));
  add(L"dateComparer", Widen(f.dateComparer.in()));
  add(L"oidCostCenter", Widen(f.extendedFilter.oidCostCenter.in()));
  add(L"oidCostUnit", Widen(f.extendedFilter.oidCostUnit.in()));
  add(L"oidDepartment", Widen(f.extendedFilter.oidDepartment.in()));
  add(L"oidEmployeeGroup", Widen(f.extendedFilter.oidEmployeeGroup.in()));
  return out;
}

// "[n]", each filter, then the sort keys.
CallArgs ListArgs(const ms::EEMasterFilterSeq& filters, const SortierungStruct& sort) {
  CallArgs args = {CountArg(filters)};
  for (CORBA::ULong i = 0; i < filters.length(); ++i) args.push_back(FilterArg(filters[i]));
  args.push_back(Arg(sort));
  return args;
}

// The record kind's table for the shared per-employee servant.
struct MasterTable {
  using Record = ms::EEMasterStruct;
  using Seq = ms::EEMasterSeq;
  using FilterSeq = ms::EEMasterFilterSeq;
  static constexpr char kStore[] = "MA";
  static Record Answer(Core& core, Record r) { return server::Answer(core, std::move(r)); }
  static bool Matches(Core&, const ms::EEMasterFilterStruct& f, const Record& r) {
    return server::Matches(f, r);
  }
  static const std::map<std::string, SortField<Record>>& SortKeys() {
    using R = Record;
    using M = ms::MasterStruct;
    static const std::map<std::string, SortField<R>> kKeys = {
        {"personnelNumber", MemberKey<&R::root, &ee::EmployeeShortStruct::personnelNumber>()},
        {"surname", MemberKey<&R::history, &M::surname>()},
        {"firstname", MemberKey<&R::history, &M::firstname>()},
        {"dateOfBirth", MemberKey<&R::history, &M::dateOfBirth>()},
        {"postalCode", MemberKey<&R::history, &M::postalCode>()},
        {"oidPCompany", MemberKey<&R::root, &ee::EmployeeShortStruct::oidPCompany>()},
    };
    return kKeys;
  }
};

// --- seed -----------------------------------------------------------------

struct SeedMaster {
  const char* oid;
  const char* birth;
  const char* street;
  const char* number;
  const char* postal_code;
  const wchar_t* domicile;
  ms::CivilStatusEnum civil_status;
  ms::FormOfAddressEnum form_of_address;
  const char* email;
};

const SeedMaster kMasters[] = {
    {"EMP-1", "1968-03-14", "Hauptstraße", "12", "80331", L"München", ms::CIVIL_STATUS_MARRIED,
     ms::FORM_OF_ADDRESS_MR, "j.mueller@example.de"},
    {"EMP-2", "1990-07-02", "Lindenweg", "5", "50667", L"Köln", ms::CIVIL_STATUS_SINGLE,
     ms::FORM_OF_ADDRESS_MS, "a.schaefer@example.de"},
    {"EMP-3", "1995-11-23", "Am Hafen", "3a", "20457", L"Hamburg", ms::CIVIL_STATUS_SINGLE,
     ms::FORM_OF_ADDRESS_MR, ""},
    {"EMP-4", "2001-01-09", "Gartenstraße", "17", "70173", L"Stuttgart", ms::CIVIL_STATUS_UNKNOWN,
     ms::FORM_OF_ADDRESS_NEUTRAL, ""},
    {"EMP-5", "1983-09-30", "Bahnhofstraße", "1", "10115", L"Berlin", ms::CIVIL_STATUS_MARRIED,
     ms::FORM_OF_ADDRESS_MR, ""},
    {"EMP-6", "1979-04-18", "Schlossallee", "9", "60311", L"Frankfurt am Main",
     ms::CIVIL_STATUS_DIVORCED, ms::FORM_OF_ADDRESS_MS, ""},
    {"EMP-7", "1992-12-05", "Ringstraße", "44", "04109", L"Leipzig", ms::CIVIL_STATUS_MARRIED,
     ms::FORM_OF_ADDRESS_MS, ""},
};

const CORBA::Octet kPhoto[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0x00, 0xff};

ms::EEMasterStruct SeedRecord(const ee::EmployeeShortStruct& sv, const SeedMaster& s) {
  ms::EEMasterStruct r{};
  r.root = sv;
  ms::MasterStruct m{};
  const std::string entry = sv.dateOfEntry.in();
  const std::string from = dates::IsUnset(entry) ? "2024-01-01" : entry;
  m.timePeriod.effectiveFrom = from.c_str();
  m.timePeriod.internalValidFrom = from.c_str();
  m.timePeriod.validUntil = dates::kOpenEnd;
  m.oidEmployee = sv.objectStruct.objectid;
  m.surname = sv.surname;
  m.firstname = sv.firstname;
  m.title = sv.title;
  m.namePrefix = sv.namePrefix;
  m.sexEnum = sv.sexEnum;
  m.dateOfBirth = s.birth;
  m.oidStateLanguage = "DE";
  m.civilStatus = s.civil_status;
  m.formOfAddrEnum = s.form_of_address;
  m.street = s.street;
  m.streetNumber = s.number;
  m.oidState = "DE";
  m.postalCode = s.postal_code;
  m.domicile = Narrow(s.domicile).c_str();
  m.privateCommunication.email = s.email;
  m.specialAccessLevel = 0;
  m.dateOfBirthELSTAM = s.birth;
  r.history = m;
  return r;
}

void Seed(Core& core) {
  {
    Side& side = SideOf(core);
    std::lock_guard<std::mutex> lock(side.mu);
    side.photos.clear();
    side.contacts.clear();
    side.notes.clear();
    side.next_contact = 1;
    side.next_note = 1;
  }
  for (const SeedMaster& s : kMasters) {
    std::optional<ee::EmployeeShortStruct> sv = FindEmployee(core, s.oid);
    if (!sv) continue;
    ms::EEMasterStruct r = SeedRecord(*sv, s);
    const std::string oid = s.oid;
    if (oid == "EMP-1") {
      r.history.photoFileName = L"mueller.png";
      r.history.photo.length(sizeof kPhoto);
      std::copy(std::begin(kPhoto), std::end(kPhoto), r.history.photo.get_buffer());
      r.history.memo = "works council";
      ostrel::server::AppendNew(r.contacts);
      r.contacts[0].contact.contactDate = "2024-02-12";
      r.contacts[0].contact.contactPerson = L"Personalabteilung";
      r.contacts[0].contact.subject = L"Elternzeit";
      r.contacts[0].contact.text = L"Antrag besprochen";
      r.contacts[0].taskReminderDate = "2024-03-01";
      r.contacts[0].createTaskReminder = true;
      ostrel::server::AppendNew(r.notes);
      r.notes[0].note.noteDate = "2024-01-15";
      r.notes[0].note.subject = L"Schlüssel";
      r.notes[0].note.text = L"Generalschlüssel ausgehändigt";
      r.notes[0].createTaskReminder = false;
    }
    if (oid == "EMP-2") {
      r.history.serviceUserCode = L"aschaefer";
      r.history.serviceEmailAddress = L"a.schaefer@example.de";
      r.history.servicePassword = L"initial";
    }
    CreateMasterRecord(core, L"seed", r);
  }
}

RegisterSeeder seeder(kEmployeeRecordsSeedOrder, Seed);

// --- servant --------------------------------------------------------------

class MasterServantImpl
    : public POA_com::ostrel::personnel::domain::employee::master::MasterServant,
      public EmployeeRecordServant<MasterTable> {
 public:
  explicit MasterServantImpl(Core& core) : EmployeeRecordServant(core) {}

  ms::EEMasterStruct* createMaster(AccessToken_ptr token, const ms::EEMasterStruct& m) override {
    const std::wstring user = Enter(
        token, "createMaster", {RecordArg(m), Arg(m.history.timePeriod.internalValidFrom.in())}, m);
    Check(m);
    ms::EEMasterStruct in = m;
    if (OidOf(in).empty()) in.root = NewEmployee(in, user);
    return new ms::EEMasterStruct(CreateMasterRecord(core_, user, in));
  }

  ms::EEMasterStruct* addMaster(AccessToken_ptr token, const ms::EEMasterStruct& m,
                                CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "addMaster",
              {RecordArg(m), Arg(m.history.timePeriod.internalValidFrom.in()), Arg(removeNew)}, m);
    return new ms::EEMasterStruct(Written(core_, user, m, [&](const ms::EEMasterStruct& s) {
      return store_.Add(user, s, removeNew);
    }));
  }

  ms::EEMasterStruct* setMaster(AccessToken_ptr token, const ms::EEMasterStruct& m,
                                CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "setMaster",
              {RecordArg(m), Arg(m.history.timePeriod.internalValidFrom.in()), Arg(removeNew)}, m);
    return new ms::EEMasterStruct(Written(core_, user, m, [&](const ms::EEMasterStruct& s) {
      return store_.Set(user, s, removeNew);
    }));
  }

  void deleteEmployee(AccessToken_ptr token, const char* oidEmployee,
                      CORBA::Long versionEmployee) override {
    Enter(token, "deleteEmployee", {Arg(oidEmployee), Arg(versionEmployee)});
    const ee::EmployeeShortStruct sv = KnownEmployee(core_, oidEmployee);
    if (versionEmployee != sv.objectStruct.version) {
      store_detail::Persistency("stale version " + std::to_string(versionEmployee) + " of '" +
                                oidEmployee + "' (stored version " +
                                std::to_string(sv.objectStruct.version) + ")");
    }
    if (!DeletePossible(sv)) {
      store_detail::Domain("employee " + std::to_string(sv.personnelNumber) +
                           " has journalized months and cannot be deleted");
    }
    std::vector<ms::EEMasterStruct> periods;
    if (store_.Has(oidEmployee)) periods = store_.AllHistory(oidEmployee);
    core_.ForgetEmployee(oidEmployee);
    ForgetSide(core_, oidEmployee, periods);
    RemoveEmployee(core_, oidEmployee);
  }

  ms::EEMasterSeq* getActiveMaster(AccessToken_ptr token, const ms::EEMasterFilterSeq& filter,
                                   const SortierungStruct& sort) override {
    Enter(token, "getActiveMaster", ListArgs(filter, sort), filter);
    return ToSeqPtr(SelectIn("", filter, sort));
  }

  void getActiveMasterCB(AccessToken_ptr token, const char* oidPCompany,
                         const ms::EEMasterFilterSeq& filter, const SortierungStruct& sort,
                         ms::EEMasterStructCallback_ptr callback) override {
    CallArgs args = ListArgs(filter, sort);
    args.insert(args.begin(), Arg(oidPCompany));
    const StreamCall call = EnterStream(token, "getActiveMasterCB", std::move(args), filter);
    if (*oidPCompany == '\0') store_detail::ApplicationLayer("no company given");
    if (CORBA::is_nil(callback)) store_detail::ApplicationLayer("no callback given");
    std::unique_ptr<ms::EEMasterSeq> seq(ToSeqPtr(SelectIn(oidPCompany, filter, sort)));
    Stream<ms::EEMasterStructCallback>(callback, *seq, call);
  }

  ms::EEMasterSeq* getActiveEffectiveMasterHistory(AccessToken_ptr t, const char* oid) override {
    return ActiveHistory(t, "getActiveEffectiveMasterHistory", oid);
  }

  ms::EEMasterSeq* getAllMasterHistory(AccessToken_ptr t, const char* oid) override {
    return AllHistory(t, "getAllMasterHistory", oid);
  }

  ms::EEMasterSeq* getEffectiveMasterHistory(AccessToken_ptr t, const char* oid,
                                             const char* effective) override {
    return EffectiveHistory(t, "getEffectiveMasterHistory", oid, effective);
  }

  fbt::OctetSeq* getPhoto(AccessToken_ptr token, const char* oidEmployee, const char* oidMaster,
                          CORBA::Long versionMaster) override {
    Enter(token, "getPhoto", {Arg(oidEmployee), Arg(oidMaster), Arg(versionMaster)});
    std::optional<ms::EEMasterStruct> r = store_.FindByPeriod(oidMaster);
    if (!r) store_detail::Persistency("unknown object id '" + std::string(oidMaster) + "'");
    if (OidOf(*r) != oidEmployee) {
      store_detail::Persistency("master '" + std::string(oidMaster) +
                                "' does not belong to employee '" + oidEmployee + "'");
    }
    const CORBA::Long stored = r->history.objectStruct.version;
    if (versionMaster != stored) {
      store_detail::Persistency("stale version " + std::to_string(versionMaster) + " of '" +
                                oidMaster + "' (stored version " + std::to_string(stored) + ")");
    }
    auto* bytes = new fbt::OctetSeq;
    Side& side = SideOf(core_);
    std::lock_guard<std::mutex> lock(side.mu);
    auto it = side.photos.find(oidMaster);
    if (it != side.photos.end()) {
      bytes->length(static_cast<CORBA::ULong>(it->second.size()));
      std::copy(it->second.begin(), it->second.end(), bytes->get_buffer());
    }
    return bytes;
  }

  ms::NamePrefixSeq* getNamePrefixList(AccessToken_ptr token) override {
    Enter(token, "getNamePrefixList", {});
    static const char* const kPrefixes[] = {"von", "van", "de", "zu", "von der", "van den"};
    auto* seq = new ms::NamePrefixSeq;
    seq->length(static_cast<CORBA::ULong>(std::size(kPrefixes)));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i].namePrefix = kPrefixes[i];
    return seq;
  }

  ms::NameAffixSeq* getNameAffixList(AccessToken_ptr token) override {
    Enter(token, "getNameAffixList", {});
    static const char* const kAffixes[] = {"Jr.", "Sen.", "Freiherr", "Graf", "Edler"};
    auto* seq = new ms::NameAffixSeq;
    seq->length(static_cast<CORBA::ULong>(std::size(kAffixes)));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i].nameAffix = kAffixes[i];
    return seq;
  }

  ms::EEMasterStruct* getObjectFromObjectId(AccessToken_ptr t, const char* oid,
                                            const char* effective, const char* valid) override {
    return At(t, oid, effective, valid);
  }

  ms::DEUEVAddressStruct* getDEUEVAddress(AccessToken_ptr token, const char* oidEmployee,
                                          const char* effective, const char* valid) override {
    Enter(token, "getDEUEVAddress", {Arg(oidEmployee), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    const ms::MasterStruct m = store_.GetAt(oidEmployee, effective, valid).history;
    auto* a = new ms::DEUEVAddressStruct{};
    a->surname = m.surname;
    a->firstname = m.firstname;
    a->street = m.street;
    a->streetNumber = m.streetNumber;
    a->postalCode = m.postalCode;
    a->domicile = m.domicile;
    a->oidState = m.oidState;
    return a;
  }

  ms::EEMasterStruct* deleteServiceUser(AccessToken_ptr token, const char* oidEmployee) override {
    const std::wstring user = Enter(token, "deleteServiceUser", {Arg(oidEmployee)});
    ms::EEMasterStruct latest = store_.Get(oidEmployee, "");
    ms::MasterStruct& m = latest.history;
    if (*m.serviceUserCode.in() == L'\0') {
      store_detail::Domain("employee '" + std::string(oidEmployee) + "' has no service user");
    }
    m.serviceUserCode = L"";
    m.servicePassword = L"";
    m.serviceEmailAddress = L"";
    m.passwordSoePerEMail = L"";
    m.serviceBan = false;
    m.noUseMfaForService = false;
    return new ms::EEMasterStruct(Answer(core_, store_.Set(user, latest, false)));
  }

  ms::EEMasterSeq* getLinkedActiveEffectiveMasterHistory(AccessToken_ptr t,
                                                         const char* oid) override {
    return LinkedActiveHistory(t, "getLinkedActiveEffectiveMasterHistory", oid);
  }

  ms::EEMasterSeq* getLinkedAllMasterHistory(AccessToken_ptr t, const char* oid) override {
    return LinkedAllHistory(t, "getLinkedAllMasterHistory", oid);
  }

  CORBA::Boolean deletePossible(AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "deletePossible", {Arg(oidEmployee)});
    return DeletePossible(KnownEmployee(core_, oidEmployee));
  }

  CORBA::Boolean existsAccounts(AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "existsAccounts", {Arg(oidEmployee)});
    KnownEmployee(core_, oidEmployee);
    if (!store_.Has(oidEmployee)) return false;
    return *store_.Get(oidEmployee, "").history.serviceUserCode.in() != L'\0';
  }

 private:
  static bool DeletePossible(const ee::EmployeeShortStruct& sv) {
    return dates::IsUnset(sv.journalizedUntil.in());
  }

  // The short view of a new employee with the record's master data.
  ee::EmployeeShortStruct NewEmployee(const ms::EEMasterStruct& m, const std::wstring& user) {
    ee::EmployeeShortStruct sv = m.root;
    const std::string company = sv.oidPCompany.in();
    if (company.empty()) store_detail::ApplicationLayer("no company given");
    if (sv.personnelNumber == 0) {
      sv.personnelNumber = static_cast<CORBA::Long>(NextPersonnelNumber(core_, company));
    } else if (PersonnelNumberUsed(core_, company, sv.personnelNumber)) {
      store_detail::Domain("personnel number " + std::to_string(sv.personnelNumber) +
                           " is already used in company " + company);
    }
    sv.journalizedUntil = "";
    return AddEmployee(core_, sv, user);
  }

  // Every record (in `company` when given) that a filter selects, as
  // answered, sorted.
  std::vector<ms::EEMasterStruct> SelectIn(const std::string& company,
                                           const ms::EEMasterFilterSeq& filter,
                                           const SortierungStruct& sort) {
    CheckFilters(filter);
    return Select(filter, sort, [&company](const ms::EEMasterStruct& r) {
      return company.empty() || company == r.root.oidPCompany.in();
    });
  }

  static ms::EEMasterSeq* ToSeqPtr(const std::vector<ms::EEMasterStruct>& items) {
    return new ms::EEMasterSeq(ToSeq<ms::EEMasterSeq>(items));
  }
};

RegisterServant<MasterServantImpl> registration(MasterService::kName);

Store& MasterStore(Core& core) { return core.Store<ms::EEMasterStruct>(MasterTable::kStore); }

}  // namespace

ms::EEMasterStruct CreateMasterRecord(Core& core, const std::wstring& user,
                                      const ms::EEMasterStruct& record) {
  Check(record);
  const std::string oid = OidOf(record);
  KnownEmployee(core, oid);
  ms::EEMasterStruct in = record;
  in.history.oidEmployee = oid.c_str();
  const ms::EEMasterStruct stored = MasterStore(core).Create(user, Stripped(in));
  KeepSide(core, user, in, stored);
  SyncNames(core, user, oid);
  return Answer(core, stored);
}

std::optional<ms::EEMasterStruct> FindMasterRecord(Core& core, const std::string& oidEmployee,
                                                   const std::string& date) {
  Store& store = MasterStore(core);
  if (!store.Has(oidEmployee)) return std::nullopt;
  return Answer(core, store.Get(oidEmployee, date));
}

}  // namespace ostrel::server
