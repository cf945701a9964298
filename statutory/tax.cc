#include "statutory/tax.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<TaxService>;
using Stub = Remote_::Stub;

// --- the tax record -------------------------------------------------------

Tax::Tax() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

// --- filter ---------------------------------------------------------------

EETaxFilter::EETaxFilter() { ClearEETaxFilter(); }

void EETaxFilter::ClearEETaxFilter() {
  ClearTaxBracket();
  ClearTaxacation();
  ClearPAYETaxFindings();
  ClearIncomeTaxReturnYY();
  ClearAssociationEE();
  ClearPnr();
  SetOidPCompany("");
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

// --- record object ----------------------------------------------------------

void EETax::Commit() {
  // Only the tax record travels; the answer is the whole record.
  CommitThreeWay<TaxService>(SendingPart<&tax::EETaxStruct::tax>(&Stub::createTax),
                             SendingPart<&tax::EETaxStruct::tax>(&Stub::addTax),
                             SendingPart<&tax::EETaxStruct::tax>(&Stub::setTax));
}

void EETax::GetMigrationEmployee() {
  // The valid-from date goes out as the internal valid-from date of the
  // copy sent; the object changes only with the answer.
  tax::EETaxStruct sent = ToIdl();
  field::Set(sent.tax.timePeriod.internalValidFrom, GetValidFrom());
  auto result = Remote_::Call(&Stub::getMigrationEmployee, sent);
  // Not TakeOver: the object stays as new as it was.
  SetValue(result.in());
  MakeBoCopy();
}

std::vector<EETax*>* EETax::GetActiveTax(std::vector<EETaxFilter*> const* filters,
                                         base::Sortierung const& sort) {
  return Remote_::List<EETax>(&Stub::getActiveTax, ToIdlSeq<tax::EETaxFilterSeq>(filters),
                              sort.ToIdl());
}

EETax::Callback* EETax::GetActiveEETaxsCB(std::vector<EETaxFilter*> const* filters,
                                          base::Sortierung const& sort, unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveTaxCB,
                                   ToIdlSeq<tax::EETaxFilterSeq>(filters), sort.ToIdl());
}

std::vector<EETax*>* EETax::GetAllTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(&Stub::getAllTaxHistory, oid_employee.c_str());
}

std::vector<EETax*>* EETax::GetActiveEffectiveTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(&Stub::getActiveEffectiveTaxHistory, oid_employee.c_str());
}

std::vector<EETax*>* EETax::GetEffectiveTaxHistory(std::string oid_employee, base::VDate date) {
  return Remote_::List<EETax>(&Stub::getEffectiveTaxHistory, oid_employee.c_str(), date.c_str());
}

std::vector<EETax*>* EETax::GetLinkedAllTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(&Stub::getLinkedAllTaxHistory, oid_employee.c_str());
}

std::vector<EETax*>* EETax::GetLinkedActiveEffectiveTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(&Stub::getLinkedActiveEffectiveTaxHistory, oid_employee.c_str());
}

EETax EETax::GetObjectFromObjectId(std::string const& oid_employee, base::VDate const& effective,
                                   base::VDate const& valid) {
  return Remote_::Fetch<EETax>(&Stub::getObjectFromObjectId, oid_employee.c_str(),
                               effective.c_str(), valid.c_str());
}

std::vector<EETax*>* EETax::GetTaxsForEmployeeCopy(std::string const& oid_employee,
                                                   std::string const& valid_from) {
  return Remote_::List<EETax>(&Stub::getTaxsForEmployeeCopy, oid_employee.c_str(),
                              valid_from.c_str());
}

}  // namespace ostrel
