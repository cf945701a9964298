#include "pay/bankdetails.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEBankDetailsService>;
using Stub = Remote_::Stub;

BankDetailsRoot::BankDetailsRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

BankDetailsTP::BankDetailsTP() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

void EEBankDetailsFilter::ClearEEBankDetailsFilter() {
  ClearModeOfPayment();
  SetOidBank("");
  SetAccountNumber("");
  SetReasonForTransfer("");
  SetOwnerOfAccount("");
  ClearRepetitionOfNameType();
  ClearTruncationType();
  ClearTruncationScaleType();
  SetOidCompanyAccount("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplayOfEmployeeEnum>(0));
}

void EEBankDetails::Commit() {
  CommitThreeWay<EEBankDetailsService>(&Stub::createEEBankDetails, &Stub::addEEBankDetails,
                                       &Stub::setEEBankDetails);
}

void EEBankDetails::Delete() {
  StandardDelete<EEBankDetailsService>(&Stub::deleteEEBankDetails, OnFailure::kReset);
}

void EEBankDetails::GetMigrationEmployee() {
  RemoteWrite<EEBankDetailsService>(
      [this](Stub* s, AccessToken_ptr t) {
        bankdetails::EEBankDetailsStruct_var r = s->getMigrationEmployee(t, ToIdl());
        TakeOver(r.in());
      },
      OnFailure::kReset);
}

std::vector<EEBankDetails*>* EEBankDetails::GetActiveEEBankDetailss(
    std::vector<EEBankDetailsFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEBankDetails>(&Stub::getActiveEEBankDetails,
                                      ToIdlSeq<bankdetails::EEBankDetailsFilterSeq>(filters),
                                      sort.ToIdl());
}

EEBankDetails::Callback* EEBankDetails::GetActiveEEBankDetailsCB(
    std::vector<EEBankDetailsFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEEBankDetailsCB,
                                   ToIdlSeq<bankdetails::EEBankDetailsFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEBankDetails*>* EEBankDetails::GetAllEEBankDetailssHistory(std::string oid_employee) {
  return Remote_::List<EEBankDetails>(&Stub::getAllEEBankDetailsHistory, oid_employee.c_str());
}

std::vector<EEBankDetails*>* EEBankDetails::GetActiveEffectiveEEBankDetailssHistory(
    std::string oid_employee) {
  return Remote_::List<EEBankDetails>(&Stub::getActiveEffectiveEEBankDetailsHistory,
                                      oid_employee.c_str());
}

std::vector<EEBankDetails*>* EEBankDetails::GetEffectiveEEBankDetailssHistory(
    std::string oid_employee, base::VDate effective) {
  return Remote_::List<EEBankDetails>(&Stub::getEffectiveEEBankDetailsHistory, oid_employee.c_str(),
                                      effective.c_str());
}

std::vector<EEBankDetails*>* EEBankDetails::GetBankDetailsForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEBankDetails>(&Stub::getBankDetailsForEmployeeCopy, oid_employee.c_str(),
                                      valid_from.c_str());
}

EEBankDetails EEBankDetails::GetObjectFromObjectId(std::string const& oid,
                                                   base::VDate const& effective,
                                                   base::VDate const& valid) {
  return Remote_::Fetch<EEBankDetails>(&Stub::getObjectFromObjectId, oid.c_str(), effective.c_str(),
                                       valid.c_str());
}

}  // namespace ostrel
