// Entry of new employees in the reference server: creation (also as a copy
// of a reference employee), the migration source, free personnel numbers.
//
// Rules a client can rely on:
//   - createEmployee enters a new employee "EMP-<n>" with a master record
//     and an employment record, both from the date of entry on, and answers
//     with the master record. Required: a company (ApplicationLayerException),
//     a surname and a date of entry (DomainException). Personnel number: the
//     entry's when no other employee of the company has it (DomainException
//     otherwise), the company's next one for 0. An entry reason must exist
//     (PersistencyException).
//   - journalizedUntil (a date or empty) becomes the new employee's
//     journalized-until date. A retroactive entry needs it and must start on
//     or before it; an entry that is not retroactive must start after it
//     (DomainException).
//   - createEmployeeCopy: as createEmployee, from the reference employee's
//     master and employment records in force at the date of entry; the
//     entry's texts and dates replace the reference's where they are set,
//     its enums always. withdrawalReference withdraws the reference employee
//     the day before the new entry (DomainException when it is withdrawn
//     already). The two employees are linked from then on
//     (LinkedEmployees).
//   - The migration source (below) holds employees of three former
//     companies, "ALT-A", "ALT-B" and "ALT-C" (one whose first name begins
//     outside the BMP). getMigrationEmployees: every given value must
//     match (company key, personnel number and date of birth equal, names
//     start with the text). getMigrationEmployee: the entry for the target
//     company (ApplicationLayerException without one) with the source's
//     names, birth, address, entry date and cost centre and the source keys;
//     personnel number: the source's when it is free in the target company,
//     else 0 with finding 11 (member personnelNumber); a source without date
//     of birth gives finding 10 (member dateOfBirth). An unknown source
//     employee raises PersistencyException.
//   - getNextNotUsedPersonnelnumber: the first number from the start (at
//     least 1) that no employee of the company has.
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee_records.h"
#include "employees.h"
#include "entry_kind.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sequences.h"
#include "text.h"

namespace ostrel::server {
namespace {

namespace en = com::ostrel::personnel::domain::employee::entry;
namespace ms = com::ostrel::personnel::domain::employee::master;
namespace em = com::ostrel::personnel::domain::employee::employment;
namespace ee = com::ostrel::personnel::domain::employee;
namespace bt = com::ostrel::personnel::framework::basictypes;

const MigrationSourceEmployee kMigrationSource[] = {
    {"ALT-A", "501", L"Hans", L"Becker", "1971-05-12", "Mühlenweg", "7", "28195", "Bremen",
     "2001-04-01", "CC-100"},
    {"ALT-A", "502", L"Petra", L"Krüger", "", "Marktplatz", "2", "28195", "Bremen", "2005-09-01",
     "CC-200"},
    {"ALT-A", "1001", L"Jens", L"Wagner", "1980-02-29", "Deichstraße", "11", "28217", "Bremen",
     "2010-01-01", "CC-100"},
    {"ALT-B", "77", L"Mehmet", L"Öztürk", "1985-11-30", "Kanalstraße", "23", "44135", "Dortmund",
     "2012-06-15", "CC-300"},
    {"ALT-B", "501", L"Ingrid", L"Becker", "1964-08-08", "Westwall", "4", "44137", "Dortmund",
     "1999-03-01", "CC-310"},
    // U+1D518 as the UTF-16 units the server keeps wide text in.
    {"ALT-C", "12", L"\xD835\xDD18rsula", L"Brandt", "1993-07-21", "Am Wall", "3", "26122",
     "Oldenburg", "2015-02-01", "CC-400"},
};

// --- links made by copies ---------------------------------------------------

struct Links {
  std::mutex mu;
  std::vector<std::pair<std::string, std::string>> pairs;  // (copy, reference), in order
};

Links& LinksOf(Core& core) {
  static std::mutex mu;
  static std::map<const Core*, std::unique_ptr<Links>> links;
  std::lock_guard<std::mutex> lock(mu);
  std::unique_ptr<Links>& slot = links[&core];
  if (!slot) slot = std::make_unique<Links>();
  return *slot;
}

RegisterSeeder seeder(kEmployeeRecordsSeedOrder, [](Core& core) {
  Links& links = LinksOf(core);
  std::lock_guard<std::mutex> lock(links.mu);
  links.pairs.clear();
});

// --- building the records -------------------------------------------------

bool IsEmpty(const char* text) { return *text == '\0'; }
bool IsEmpty(const CORBA::WChar* text) { return *text == L'\0'; }
template <class Member>
bool IsEmpty(const Member& m) {
  return IsEmpty(m.in());
}

// A text of the entry, or the reference's where the entry leaves it empty.
template <class Member>
void Take(Member& to, const Member& from) {
  if (!IsEmpty(from)) to = from;
}

bt::TimePeriodStruct From(const std::string& date) {
  bt::TimePeriodStruct tp{};
  tp.effectiveFrom = date.c_str();
  tp.effectiveUntil = "";
  tp.internalValidFrom = date.c_str();
  tp.validUntil = dates::kOpenEnd;
  return tp;
}

void ClearIdentity(com::ostrel::serverbase::query::ObjectStruct& id) {
  id.objectid = "";
  id.version = 0;
  id.timestamp = "";
  id.lastuserid = L"";
}

// The master period of a new employee: the reference's (or an empty one)
// with what the entry sets.
ms::MasterStruct MasterOf(const en::EntryStruct& e, ms::MasterStruct m) {
  ClearIdentity(m.objectStruct);
  m.timePeriod = From(e.dateOfEntry.in());
  m.photo.length(0);
  m.photoFileName = L"";
  m.serviceUserCode = L"";
  m.servicePassword = L"";
  m.serviceEmailAddress = L"";
  m.passwordSoePerEMail = L"";
  Take(m.surname, e.surname);
  Take(m.firstname, e.firstname);
  Take(m.dateOfBirth, e.dateOfBirth);
  Take(m.oidStateLanguage, e.oidStateLanguage);
  Take(m.namePrefix, e.namePrefix);
  Take(m.nameAffix, e.nameAffix);
  Take(m.title, e.title);
  m.sexEnum = e.sex;
  m.formOfAddrEnum = e.formOfAddrEnum;
  m.civilStatus = e.civilStatus;
  Take(m.formOfAddress, e.formOfAddress);
  Take(m.formOfLetter, e.formOfLetter);
  Take(m.street, e.street);
  Take(m.streetNumber, e.streetNumber);
  Take(m.oidState, e.oidState);
  Take(m.postalCode, e.postalCode);
  Take(m.domicile, e.domicile);
  Take(m.addressAddendum, e.addressAddendum);
  return m;
}

// The employment period of a new employee: the reference's (or an empty
// one) with what the entry sets, without withdrawal.
em::EmploymentStruct EmploymentOf(const en::EntryStruct& e, em::EmploymentStruct m) {
  ClearIdentity(m.objectStruct);
  m.timePeriod = From(e.dateOfEntry.in());
  m.dateOfEntry = e.dateOfEntry;
  m.dateOfEntrySI = IsEmpty(e.dateOfEntrySI) ? e.dateOfEntry : e.dateOfEntrySI;
  m.dateOfWithDrawal = "";
  m.dateOfWithDrawalSI = "";
  m.oidWithDrawalReason = "";
  m.withDrawalDeath = false;
  m.dbt._default();
  for (CORBA::ULong i = 0; i < m.partCostCenters.length(); ++i) {
    ClearIdentity(m.partCostCenters[i].objectStruct);
  }
  for (CORBA::ULong i = 0; i < m.partCostUnits.length(); ++i) {
    ClearIdentity(m.partCostUnits[i].objectStruct);
  }
  Take(m.contractStart, e.contractStart);
  Take(m.probationStart, e.probationStart);
  Take(m.probationEnd, e.probationEnd);
  Take(m.allowableEntryDate, e.allowableEntryDate);
  Take(m.entryDateBranche, e.entryDateBranche);
  Take(m.oidEntryReason, e.oidEntryReason);
  Take(m.employmentLtdBy, e.employmentLtdBy);
  Take(m.workPermitLtdBy, e.workPermitLtdBy);
  Take(m.residPermitLtdBy, e.residPermitLtdBy);
  Take(m.passportValidTo, e.passportValidTo);
  m.limitedEmployment = m.limitedEmployment || e.limitedEmployment;
  m.limitedWorkPermit = m.limitedWorkPermit || e.limitedWorkPermit;
  m.ltdResidencePermit = m.ltdResidencePermit || e.ltdResidencePermit;
  Take(m.oidOccupationPriorER, e.oidOccupationPriorER);
  Take(m.oidOccupationGroupPriorER, e.oidOccupationGroupPriorER);
  Take(m.oidOccupationReEntry, e.oidOccupationReEntry);
  Take(m.oidOccupationGroupReEntry, e.oidOccupationGroupReEntry);
  Take(m.oidPlant, e.oidPlant);
  Take(m.oidEmployeeCircle, e.oidEmployeeCircle);
  Take(m.oidDepartment, e.oidDepartment);
  Take(m.oidOrgUnit, e.oidOrgUnit);
  Take(m.oidCostCenter, e.oidCostCenter);
  Take(m.oidCostUnit, e.oidCostUnit);
  Take(m.oidPersonInCharge1, e.oidPersonInCharge1);
  Take(m.oidPersonInCharge2, e.oidPersonInCharge2);
  Take(m.oidEmployeeGroup, e.oidEmployeeGroup);
  Take(m.oidEmployeeFunction, e.oidEmployeeFunction);
  Take(m.oidPlantPlace, e.oidPlantPlace);
  m.automaticPersonInCharge1 = e.automaticPersonInCharge1;
  m.automaticPersonInCharge2 = e.automaticPersonInCharge2;
  m.limitedByPurpose = e.limitedByPurpose;
  m.insolvencyEntryReason = e.insolvencyEntryReason;
  const std::string migrated = e.pCompanyKeyOfMigration.in();
  if (!migrated.empty()) {
    m.personnelnumberOld = (migrated + "/" + e.personnelnumberOfMigration.in()).c_str();
  }
  return m;
}

// An empty employment period: numbers, flags and enums 0, as a new record
// of the client starts, with employment type and earned-income type 1.
em::EmploymentStruct NewEmployment() {
  em::EmploymentStruct m{};
  m.typeOfEmployment = em::TYPE_OF_EMPLOYMENT_FULL_TIME;
  m.typeOfEarnedIncom = em::TYPE_OF_EARNED_INCOME_MONTHLY;
  return m;
}

// --- the servant ----------------------------------------------------------

class EntryServantImpl : public POA_com::ostrel::personnel::domain::employee::entry::EntryServant,
                         public RecordServant {
 public:
  explicit EntryServantImpl(Core& core) : RecordServant(core) {}

  ms::EEMasterStruct* createEmployee(AccessToken_ptr token, const en::EntryStruct& entry,
                                     CORBA::Boolean retroactivEntry,
                                     const char* journalizedUntil) override {
    const std::wstring user = Enter(token, "createEmployee",
                                    {EntryArg(entry), Arg(retroactivEntry), Arg(journalizedUntil)},
                                    entry, DateArg{"journalizedUntil", journalizedUntil});
    const std::string company = entry.oidPCompany.in();
    Check(entry, company, retroactivEntry, journalizedUntil);
    return new ms::EEMasterStruct(
        Create(user, entry, company, journalizedUntil, ms::MasterStruct{}, NewEmployment()));
  }

  ms::EEMasterStruct* createEmployeeCopy(AccessToken_ptr token, const en::EntryStruct& entry,
                                         const char* oidReferenceEmployee,
                                         CORBA::Boolean retroactivEntry,
                                         const char* journalizedUntil,
                                         CORBA::Boolean withdrawalReference) override {
    const std::wstring user =
        Enter(token, "createEmployeeCopy",
              {EntryArg(entry), Arg(oidReferenceEmployee), Arg(retroactivEntry),
               Arg(journalizedUntil), Arg(withdrawalReference)},
              entry, DateArg{"journalizedUntil", journalizedUntil});
    const ee::EmployeeShortStruct reference = KnownEmployee(core_, oidReferenceEmployee);
    const std::string company =
        IsEmpty(entry.oidPCompany) ? reference.oidPCompany.in() : entry.oidPCompany.in();
    Check(entry, company, retroactivEntry, journalizedUntil);
    const std::string date = entry.dateOfEntry.in();
    const std::optional<ms::EEMasterStruct> master =
        FindMasterRecord(core_, oidReferenceEmployee, date);
    const std::optional<em::EEEmploymentStruct> employment =
        FindEmploymentRecord(core_, oidReferenceEmployee, date);
    if (withdrawalReference) {
      if (!employment) {
        store_detail::Domain("reference employee '" + std::string(oidReferenceEmployee) +
                             "' has no employment");
      }
      const std::optional<em::EEEmploymentStruct> latest =
          FindEmploymentRecord(core_, oidReferenceEmployee);
      const std::string withdrawn = latest->employment.dateOfWithDrawal.in();
      if (!dates::IsUnset(withdrawn)) {
        store_detail::Domain("reference employee '" + std::string(oidReferenceEmployee) +
                             "' already withdrew on " + withdrawn);
      }
      const std::string entered = latest->employment.dateOfEntry.in();
      if (!dates::IsUnset(entered) && date <= entered) {
        store_detail::Domain("the copy must enter after the reference employee (" + entered + ")");
      }
    }
    const ms::EEMasterStruct created = Create(
        user, entry, company, journalizedUntil, master ? master->history : ms::MasterStruct{},
        employment ? employment->employment : NewEmployment());
    if (withdrawalReference) {
      WithdrawEmployee(core_, user, oidReferenceEmployee, dates::DayBefore(entry.dateOfEntry.in()));
    }
    Links& links = LinksOf(core_);
    std::lock_guard<std::mutex> lock(links.mu);
    links.pairs.emplace_back(created.root.objectStruct.objectid.in(), oidReferenceEmployee);
    return new ms::EEMasterStruct(created);
  }

  en::MigrationEmployeeSeq* getMigrationEmployees(AccessToken_ptr token, const char* pCompanyKey,
                                                  const char* personnelNumber,
                                                  const CORBA::WChar* firstName,
                                                  const CORBA::WChar* lastName,
                                                  const char* dateOfBirth) override {
    Enter(token, "getMigrationEmployees",
          {Arg(pCompanyKey), Arg(personnelNumber), Arg(firstName), Arg(lastName), Arg(dateOfBirth)},
          DateArg{"dateOfBirth", dateOfBirth});
    auto equal_if_set = [](const char* wanted, const char* value) {
      return *wanted == '\0' || std::string(wanted) == value;
    };
    auto* seq = new en::MigrationEmployeeSeq;
    for (const MigrationSourceEmployee& s : kMigrationSource) {
      if (!equal_if_set(pCompanyKey, s.company_key) ||
          !equal_if_set(personnelNumber, s.personnel_number) ||
          std::wstring(s.first_name).rfind(firstName, 0) != 0 ||
          std::wstring(s.last_name).rfind(lastName, 0) != 0 ||
          (!dates::IsUnset(dateOfBirth) && std::string(dateOfBirth) != s.date_of_birth)) {
        continue;
      }
      en::MigrationEmployeeStruct& m = ostrel::server::AppendNew(*seq);
      m.pCompanyKey = s.company_key;
      m.personnelNumber = s.personnel_number;
      m.firstName = s.first_name;
      m.lastName = s.last_name;
      m.dateOfBirth = s.date_of_birth;
    }
    return seq;
  }

  en::EntryStruct* getMigrationEmployee(AccessToken_ptr token, const char* migrationPCompanyKey,
                                        const char* migrationPersonnelNumber,
                                        const char* targetPCompanyKey) override {
    Enter(token, "getMigrationEmployee",
          {Arg(migrationPCompanyKey), Arg(migrationPersonnelNumber), Arg(targetPCompanyKey)});
    const std::string target = targetPCompanyKey;
    if (target.empty()) store_detail::ApplicationLayer("no target company given");
    const MigrationSourceEmployee* s =
        FindMigrationEmployee(migrationPCompanyKey, migrationPersonnelNumber);
    if (s == nullptr) {
      store_detail::Persistency("no employee '" + std::string(migrationPCompanyKey) + "/" +
                                migrationPersonnelNumber + "' in the migration source");
    }
    auto* e = new en::EntryStruct{};
    e->oidPCompany = target.c_str();
    e->surname = s->last_name;
    e->firstname = s->first_name;
    e->dateOfBirth = s->date_of_birth;
    e->sex = ee::SEX_UNDEFINED;
    e->street = s->street;
    e->streetNumber = s->street_number;
    e->postalCode = s->postal_code;
    e->domicile = s->domicile;
    e->oidState = "DE";
    e->dateOfEntry = s->date_of_entry;
    e->dateOfEntrySI = s->date_of_entry;
    e->contractStart = s->date_of_entry;
    e->oidCostCenter = s->oid_cost_center;
    e->pCompanyKeyOfMigration = s->company_key;
    e->personnelnumberOfMigration = s->personnel_number;
    auto finding = [e](CORBA::Long code, const std::string& message, const char* member) {
      auto& f = ostrel::server::AppendNew(e->errors);
      f.errorCode = code;
      f.message = Widen(message).c_str();
      f.attributeName = member;
    };
    if (*s->date_of_birth == '\0') {
      finding(10, "the migration source has no date of birth", "dateOfBirth");
    }
    const std::string number = s->personnel_number;
    const long pnr =
        number.find_first_not_of("0123456789") == std::string::npos ? std::stol(number) : 0;
    if (pnr > 0 && !PersonnelNumberUsed(core_, target, pnr)) {
      e->personnelNumber = static_cast<CORBA::Long>(pnr);
    } else {
      finding(11, "personnel number " + number + " is already used in company " + target,
              "personnelNumber");
    }
    return e;
  }

  CORBA::Long getNextNotUsedPersonnelnumber(AccessToken_ptr token, const char* oidPCompany,
                                            CORBA::Long startPersonnelNumber) override {
    Enter(token, "getNextNotUsedPersonnelnumber", {Arg(oidPCompany), Arg(startPersonnelNumber)});
    if (*oidPCompany == '\0') store_detail::ApplicationLayer("no company given");
    long n = std::max<long>(1, startPersonnelNumber);
    while (PersonnelNumberUsed(core_, oidPCompany, n)) ++n;
    return static_cast<CORBA::Long>(n);
  }

 private:
  // An entry in the call log: company, personnel number, surname.
  static std::wstring EntryArg(const en::EntryStruct& e) {
    return Widen(e.oidPCompany.in()) + L"/" + std::to_wstring(e.personnelNumber) + L"/" +
           e.surname.in();
  }

  void Check(const en::EntryStruct& e, const std::string& company, bool retroactive,
             const std::string& journalized) {
    if (company.empty()) store_detail::ApplicationLayer("no company given");
    if (IsEmpty(e.surname)) store_detail::Domain("surname is missing");
    const std::string entry = e.dateOfEntry.in();
    if (dates::IsUnset(entry)) store_detail::Domain("date of entry is missing");
    if (retroactive && (dates::IsUnset(journalized) || entry > journalized)) {
      store_detail::Domain(
          "a retroactive entry must start on or before the journalized-until date (" + journalized +
          ")");
    }
    if (!retroactive && !dates::IsUnset(journalized) && entry <= journalized) {
      store_detail::Domain("an entry on " + entry + " lies in journalized months (until " +
                           journalized + ")");
    }
    if (e.personnelNumber < 0) store_detail::Domain("personnel number must not be negative");
    if (e.personnelNumber > 0 && PersonnelNumberUsed(core_, company, e.personnelNumber)) {
      store_detail::Domain("personnel number " + std::to_string(e.personnelNumber) +
                           " is already used in company " + company);
    }
    const std::string reason = e.oidEntryReason.in();
    if (!reason.empty() && !EntryReasonExists(core_, reason)) {
      store_detail::Persistency("unknown entry reason '" + reason + "'");
    }
  }

  // The employee, its master record and its employment; the master record
  // as the master servant answers.
  ms::EEMasterStruct Create(const std::wstring& user, const en::EntryStruct& e,
                            const std::string& company, const std::string& journalized,
                            const ms::MasterStruct& master,
                            const em::EmploymentStruct& employment) {
    ee::EmployeeShortStruct sv{};
    sv.oidPCompany = company.c_str();
    sv.personnelNumber = e.personnelNumber > 0
                             ? e.personnelNumber
                             : static_cast<CORBA::Long>(NextPersonnelNumber(core_, company));
    sv.title = e.title;
    sv.surname = e.surname;
    sv.namePrefix = e.namePrefix;
    sv.firstname = e.firstname;
    sv.sexEnum = e.sex;
    sv.dateOfEntry = e.dateOfEntry;
    sv.dateOfWithDrawal = "";
    sv.journalizedUntil = dates::IsUnset(journalized) ? "" : journalized.c_str();
    sv = AddEmployee(core_, sv, user);

    ms::EEMasterStruct m{};
    m.root = sv;
    m.history = MasterOf(e, master);
    em::EEEmploymentStruct r{};
    r.root = sv;
    r.employment = EmploymentOf(e, employment);
    CreateEmploymentRecord(core_, user, r);
    return CreateMasterRecord(core_, user, m);
  }
};

RegisterServant<EntryServantImpl> registration(EntryService::kName);

}  // namespace

std::vector<std::string> LinkedEmployees(Core& core, const std::string& oidEmployee) {
  std::vector<std::pair<std::string, std::string>> pairs;
  {
    Links& links = LinksOf(core);
    std::lock_guard<std::mutex> lock(links.mu);
    pairs = links.pairs;
  }
  std::vector<std::string> out = {oidEmployee};
  auto add = [&out](const std::string& oid) {
    if (std::find(out.begin(), out.end(), oid) == out.end()) out.push_back(oid);
  };
  for (size_t done = 0; done < out.size(); ++done) {
    const std::string current = out[done];
    for (const auto& [copy, reference] : pairs) {
      if (copy == current) add(reference);
      if (reference == current) add(copy);
    }
  }
  out.erase(std::remove_if(out.begin() + 1, out.end(),
                           [&core](const std::string& oid) { return !FindEmployee(core, oid); }),
            out.end());
  return out;
}

const MigrationSourceEmployee* FindMigrationEmployee(const std::string& companyKey,
                                                     const std::string& personnelNumber) {
  for (const MigrationSourceEmployee& s : kMigrationSource) {
    if (companyKey == s.company_key && personnelNumber == s.personnel_number) return &s;
  }
  return nullptr;
}

bool PersonnelNumberUsed(Core& core, const std::string& oidPCompany, long personnelNumber,
                         const std::string& exceptOid) {
  for (const ee::EmployeeShortStruct& e : EmployeesOf(core, oidPCompany)) {
    if (e.personnelNumber == personnelNumber && exceptOid != e.objectStruct.objectid.in()) {
      return true;
    }
  }
  return false;
}

long NextPersonnelNumber(Core& core, const std::string& oidPCompany) {
  long last = 0;
  for (const ee::EmployeeShortStruct& e : EmployeesOf(core, oidPCompany)) {
    last = std::max<long>(last, e.personnelNumber);
  }
  return last + 1;
}

}  // namespace ostrel::server
