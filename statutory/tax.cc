#include "statutory/tax.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<TaxService>;
using tax::TaxServant_ptr;
using Token = AccessToken_ptr;

// --- the tax record -------------------------------------------------------

Tax::Tax() {
  Value() = tax::TaxStruct();
  SetTaxCardPresented(true);
  SetIssueYearTaxCard(0);
  SetTaxBracket(1);
  SetChurchTaxEmployee(tax::CHURCH_TAX_NONE);
  SetChurchTaxSpouse(tax::CHURCH_TAX_NONE);
  SetTaxacation(tax::TAXACATION_BY_TAX_CARD);
  SetPayeTaxFindings(tax::PAYE_FINDINGS_BY_EMPLOYER);
  SetPayeTax(false);
  SetChurchTax(false);
  SetSolidarityCharge(false);
  SetIncomeTaxReturnYY(tax::INCOME_TAX_RETURN_NONE);
  SetChurchTaxDomicile(false);
  SetAssociationEE(false);
  SetErPaysContribut(false);
  SetDevRedHHBenfGrp(tax::HH_BENEFIT_GROUP_NONE);
  SetDevRedHHBenfRate(tax::HH_BENEFIT_RATE_NONE);
  SetCtfcGfBwoutTax(false);
  SetCtfcYYGfBwoutTax(0);
  SetCtfcDBAwoutTax(false);
  SetOldAgeReliefAmount(false);
  SetPensionFreeDues(false);
  SetWageTaxCertificate(false);
  SetRedOfChurchTax(false);
  SetChurchTaxDeduction(true);
  SetComputationOfUnderpaymentIncomeTax(false);
  SetComputationOfUnderpaymentChurchTax(false);
  SetComputationOfUnderpaymentSolidarityCharge(false);
  SetEvaluationTargetOfPayment(tax::EVALUATION_TARGET_NONE);
  SetSidelineEmployer(false);
  SetNoElstam(false);
  SetReregister(false);
  SetCrossBorderFrance(false);
  MakeBoCopy();
}
Tax::Tax(tax::TaxStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
Tax::Tax(Tax const& o) : BO(o) { MakeBoCopy(); }

void Tax::ClearObjectStruct() { SetObjectStruct(ObjectStruct()); }

std::string Tax::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void Tax::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
bool Tax::GetTaxCardPresented() const { return Value().taxCardPresented; }
void Tax::SetTaxCardPresented(bool v) { Value().taxCardPresented = v; }
long Tax::GetIssueYearTaxCard() const { return Value().issueYearTaxCard; }
void Tax::SetIssueYearTaxCard(long v) { Value().issueYearTaxCard = static_cast<CORBA::Long>(v); }
base::VDate Tax::GetEntryDateTaxCard() const { return field::Date(Value().entryDateTaxCard); }
void Tax::SetEntryDateTaxCard(base::VDate const& v) { field::SetDate(Value().entryDateTaxCard, v); }
base::VDate Tax::GetDateDelivered() const { return field::Date(Value().dateDelivered); }
void Tax::SetDateDelivered(base::VDate const& v) { field::SetDate(Value().dateDelivered, v); }
base::VDate Tax::GetDateReturned() const { return field::Date(Value().dateReturned); }
void Tax::SetDateReturned(base::VDate const& v) { field::SetDate(Value().dateReturned, v); }
std::string Tax::GetOidCommunity() const { return field::Text(Value().oidCommunity); }
void Tax::SetOidCommunity(std::string const& v) { field::SetText(Value().oidCommunity, v); }
std::string Tax::GetOidTaxOffice() const { return field::Text(Value().oidTaxOffice); }
void Tax::SetOidTaxOffice(std::string const& v) { field::SetText(Value().oidTaxOffice, v); }
base::VDate Tax::GetIssueDateTaxCard() const { return field::Date(Value().issueDateTaxCard); }
void Tax::SetIssueDateTaxCard(base::VDate const& v) { field::SetDate(Value().issueDateTaxCard, v); }
std::string Tax::GetPseudonym() const { return field::Text(Value().pseudonym); }
void Tax::SetPseudonym(std::string const& v) { field::SetText(Value().pseudonym, v); }
long Tax::GetTaxBracket() const { return Value().taxBracket; }
void Tax::SetTaxBracket(long v) { Value().taxBracket = static_cast<CORBA::Long>(v); }
base::VFixed Tax::GetChildRelief() const { return field::Fixed(Value().childRelief); }
void Tax::SetChildRelief(base::VFixed const& v) { field::SetFixed(Value().childRelief, v); }
tax::ChurchTaxEnum Tax::GetChurchTaxEmployee() const { return Value().churchTaxEmployee; }
void Tax::SetChurchTaxEmployee(tax::ChurchTaxEnum v) { Value().churchTaxEmployee = v; }
tax::ChurchTaxEnum Tax::GetChurchTaxSpouse() const { return Value().churchTaxSpouse; }
void Tax::SetChurchTaxSpouse(tax::ChurchTaxEnum v) { Value().churchTaxSpouse = v; }
base::VFixed Tax::GetFreeAllowanceYY() const { return field::Fixed(Value().freeAllowanceYY); }
void Tax::SetFreeAllowanceYY(base::VFixed const& v) { field::SetFixed(Value().freeAllowanceYY, v); }
base::VFixed Tax::GetFreeAllowanceMM() const { return field::Fixed(Value().freeAllowanceMM); }
void Tax::SetFreeAllowanceMM(base::VFixed const& v) { field::SetFixed(Value().freeAllowanceMM, v); }
base::VFixed Tax::GetAddAmountYY() const { return field::Fixed(Value().addAmountYY); }
void Tax::SetAddAmountYY(base::VFixed const& v) { field::SetFixed(Value().addAmountYY, v); }
base::VFixed Tax::GetAddAmountMM() const { return field::Fixed(Value().addAmountMM); }
void Tax::SetAddAmountMM(base::VFixed const& v) { field::SetFixed(Value().addAmountMM, v); }
tax::TaxacationEnum Tax::GetTaxacation() const { return Value().taxacation; }
void Tax::SetTaxacation(tax::TaxacationEnum v) { Value().taxacation = v; }
tax::PAYETaxFindingsEnum Tax::GetPayeTaxFindings() const { return Value().payeTaxFindings; }
void Tax::SetPayeTaxFindings(tax::PAYETaxFindingsEnum v) { Value().payeTaxFindings = v; }
bool Tax::GetPayeTax() const { return Value().payeTax; }
void Tax::SetPayeTax(bool v) { Value().payeTax = v; }
bool Tax::GetChurchTax() const { return Value().churchTax; }
void Tax::SetChurchTax(bool v) { Value().churchTax = v; }
bool Tax::GetSolidarityCharge() const { return Value().solidarityCharge; }
void Tax::SetSolidarityCharge(bool v) { Value().solidarityCharge = v; }
tax::IncomeTaxReturnYYEnum Tax::GetIncomeTaxReturnYY() const { return Value().incomeTaxReturnYY; }
void Tax::SetIncomeTaxReturnYY(tax::IncomeTaxReturnYYEnum v) { Value().incomeTaxReturnYY = v; }
bool Tax::GetChurchTaxDomicile() const { return Value().churchTaxDomicile; }
void Tax::SetChurchTaxDomicile(bool v) { Value().churchTaxDomicile = v; }
std::string Tax::GetOidFederalState() const { return field::Text(Value().oidFederalState); }
void Tax::SetOidFederalState(std::string const& v) { field::SetText(Value().oidFederalState, v); }
bool Tax::GetAssociationEE() const { return Value().associationEE; }
void Tax::SetAssociationEE(bool v) { Value().associationEE = v; }
bool Tax::GetErPaysContribut() const { return Value().erPaysContribut; }
void Tax::SetErPaysContribut(bool v) { Value().erPaysContribut = v; }
tax::DevRedHHBenfGrpEnum Tax::GetDevRedHHBenfGrp() const { return Value().devRedHHBenfGrp; }
void Tax::SetDevRedHHBenfGrp(tax::DevRedHHBenfGrpEnum v) { Value().devRedHHBenfGrp = v; }
tax::DevRedHHBenfRateEnum Tax::GetDevRedHHBenfRate() const { return Value().devRedHHBenfRate; }
void Tax::SetDevRedHHBenfRate(tax::DevRedHHBenfRateEnum v) { Value().devRedHHBenfRate = v; }
bool Tax::GetCtfcGfBwoutTax() const { return Value().ctfcGfBwoutTax; }
void Tax::SetCtfcGfBwoutTax(bool v) { Value().ctfcGfBwoutTax = v; }
long Tax::GetCtfcYYGfBwoutTax() const { return Value().ctfcYYGfBwoutTax; }
void Tax::SetCtfcYYGfBwoutTax(long v) { Value().ctfcYYGfBwoutTax = static_cast<CORBA::Long>(v); }
base::VDate Tax::GetRegistrGfBwoutTax() const { return field::Date(Value().registrGfBwoutTax); }
void Tax::SetRegistrGfBwoutTax(base::VDate const& v) {
  field::SetDate(Value().registrGfBwoutTax, v);
}
std::string Tax::GetOidtaxofGfBwoutTax() const { return field::Text(Value().oidtaxofGfBwoutTax); }
void Tax::SetOidtaxofGfBwoutTax(std::string const& v) {
  field::SetText(Value().oidtaxofGfBwoutTax, v);
}
base::VDate Tax::GetDateCtfcGfBwoutTax() const { return field::Date(Value().dateCtfcGfBwoutTax); }
void Tax::SetDateCtfcGfBwoutTax(base::VDate const& v) {
  field::SetDate(Value().dateCtfcGfBwoutTax, v);
}
std::string Tax::GetTaxNumber() const { return field::Text(Value().taxNumber); }
void Tax::SetTaxNumber(std::string const& v) { field::SetText(Value().taxNumber, v); }
bool Tax::GetCtfcDBAwoutTax() const { return Value().ctfcDBAwoutTax; }
void Tax::SetCtfcDBAwoutTax(bool v) { Value().ctfcDBAwoutTax = v; }
base::VDate Tax::GetRegistrDBAwoutTax() const { return field::Date(Value().registrDBAwoutTax); }
void Tax::SetRegistrDBAwoutTax(base::VDate const& v) {
  field::SetDate(Value().registrDBAwoutTax, v);
}
base::VDate Tax::GetFromDBAwoutTax() const { return field::Date(Value().fromDBAwoutTax); }
void Tax::SetFromDBAwoutTax(base::VDate const& v) { field::SetDate(Value().fromDBAwoutTax, v); }
base::VDate Tax::GetUntilDBAwoutTax() const { return field::Date(Value().untilDBAwoutTax); }
void Tax::SetUntilDBAwoutTax(base::VDate const& v) { field::SetDate(Value().untilDBAwoutTax, v); }
std::string Tax::GetOidtaxofDBAwoutTax() const { return field::Text(Value().oidtaxofDBAwoutTax); }
void Tax::SetOidtaxofDBAwoutTax(std::string const& v) {
  field::SetText(Value().oidtaxofDBAwoutTax, v);
}
base::VDate Tax::GetDateCtfcDBAwoutTax() const { return field::Date(Value().dateCtfcDBAwoutTax); }
void Tax::SetDateCtfcDBAwoutTax(base::VDate const& v) {
  field::SetDate(Value().dateCtfcDBAwoutTax, v);
}
bool Tax::GetOldAgeReliefAmount() const { return Value().oldAgeReliefAmount; }
void Tax::SetOldAgeReliefAmount(bool v) { Value().oldAgeReliefAmount = v; }
bool Tax::GetPensionFreeDues() const { return Value().pensionFreeDues; }
void Tax::SetPensionFreeDues(bool v) { Value().pensionFreeDues = v; }
bool Tax::GetWageTaxCertificate() const { return Value().wageTaxCertificate; }
void Tax::SetWageTaxCertificate(bool v) { Value().wageTaxCertificate = v; }
bool Tax::GetRedOfChurchTax() const { return Value().redOfChurchTax; }
void Tax::SetRedOfChurchTax(bool v) { Value().redOfChurchTax = v; }
base::VFixed Tax::GetMonthlyEarnings() const { return field::Fixed(Value().monthlyEarnings); }
void Tax::SetMonthlyEarnings(base::VFixed const& v) { field::SetFixed(Value().monthlyEarnings, v); }
std::string Tax::GetMemo() const { return field::Text(Value().memo); }
void Tax::SetMemo(std::string const& v) { field::SetText(Value().memo, v); }
base::VFixed Tax::GetPension() const { return field::Fixed(Value().pension); }
void Tax::SetPension(base::VFixed const& v) { field::SetFixed(Value().pension, v); }
base::VDate Tax::GetStartDateOfPension() const { return field::Date(Value().startDateOfPension); }
void Tax::SetStartDateOfPension(base::VDate const& v) {
  field::SetDate(Value().startDateOfPension, v);
}
base::VFixed Tax::GetBonusOfPension() const { return field::Fixed(Value().bonusOfPension); }
void Tax::SetBonusOfPension(base::VFixed const& v) { field::SetFixed(Value().bonusOfPension, v); }
bool Tax::GetChurchTaxDeduction() const { return Value().churchTaxDeduction; }
void Tax::SetChurchTaxDeduction(bool v) { Value().churchTaxDeduction = v; }
bool Tax::GetComputationOfUnderpaymentIncomeTax() const {
  return Value().computationOfUnderpaymentIncomeTax;
}
void Tax::SetComputationOfUnderpaymentIncomeTax(bool v) {
  Value().computationOfUnderpaymentIncomeTax = v;
}
bool Tax::GetComputationOfUnderpaymentChurchTax() const {
  return Value().computationOfUnderpaymentChurchTax;
}
void Tax::SetComputationOfUnderpaymentChurchTax(bool v) {
  Value().computationOfUnderpaymentChurchTax = v;
}
bool Tax::GetComputationOfUnderpaymentSolidarityCharge() const {
  return Value().computationOfUnderpaymentSolidarityCharge;
}
void Tax::SetComputationOfUnderpaymentSolidarityCharge(bool v) {
  Value().computationOfUnderpaymentSolidarityCharge = v;
}
tax::EvaluationTargetOfPaymentEnum Tax::GetEvaluationTargetOfPayment() const {
  return Value().evaluationTargetOfPayment;
}
void Tax::SetEvaluationTargetOfPayment(tax::EvaluationTargetOfPaymentEnum v) {
  Value().evaluationTargetOfPayment = v;
}
base::VFixed Tax::GetTaxOfSwitzerland() const { return field::Fixed(Value().taxOfSwitzerland); }
void Tax::SetTaxOfSwitzerland(base::VFixed const& v) {
  field::SetFixed(Value().taxOfSwitzerland, v);
}
std::string Tax::GetTin() const { return field::Text(Value().tin); }
void Tax::SetTin(std::string const& v) { field::SetText(Value().tin, v); }
base::VFixed Tax::GetPercentageSplit() const { return field::Fixed(Value().percentageSplit); }
void Tax::SetPercentageSplit(base::VFixed const& v) { field::SetFixed(Value().percentageSplit, v); }
bool Tax::GetSidelineEmployer() const { return Value().sidelineEmployer; }
void Tax::SetSidelineEmployer(bool v) { Value().sidelineEmployer = v; }
base::VFixed Tax::GetAddAmountWeekly() const { return field::Fixed(Value().addAmountWeekly); }
void Tax::SetAddAmountWeekly(base::VFixed const& v) { field::SetFixed(Value().addAmountWeekly, v); }
base::VFixed Tax::GetAddAmountDaily() const { return field::Fixed(Value().addAmountDaily); }
void Tax::SetAddAmountDaily(base::VFixed const& v) { field::SetFixed(Value().addAmountDaily, v); }
base::VFixed Tax::GetFreeAllowanceWeekly() const {
  return field::Fixed(Value().freeAllowanceWeekly);
}
void Tax::SetFreeAllowanceWeekly(base::VFixed const& v) {
  field::SetFixed(Value().freeAllowanceWeekly, v);
}
base::VFixed Tax::GetfreeAllowanceDaily() const { return field::Fixed(Value().freeAllowanceDaily); }
void Tax::SetfreeAllowanceDaily(base::VFixed const& v) {
  field::SetFixed(Value().freeAllowanceDaily, v);
}
bool Tax::GetNoElstam() const { return Value().noElstam; }
void Tax::SetNoElstam(bool v) { Value().noElstam = v; }
bool Tax::GetReregister() const { return Value().reregister; }
void Tax::SetReregister(bool v) { Value().reregister = v; }
bool Tax::GetCrossBorderFrance() const { return Value().crossBorderFrance; }
void Tax::SetCrossBorderFrance(bool v) { Value().crossBorderFrance = v; }

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

void EETaxFilter::SetTaxBracket(long v) {
  filter_.taxBracket.taxbracket(static_cast<CORBA::Long>(v));
}
void EETaxFilter::ClearTaxBracket() { filter_.taxBracket._default(); }
void EETaxFilter::SetTaxacation(tax::TaxacationEnum v) { filter_.taxacation.taxacation(v); }
void EETaxFilter::ClearTaxacation() { filter_.taxacation._default(); }
void EETaxFilter::SetPAYETaxFindings(tax::PAYETaxFindingsEnum v) {
  filter_.pAYETaxFindings.pAYETaxFindings(v);
}
void EETaxFilter::ClearPAYETaxFindings() { filter_.pAYETaxFindings._default(); }
void EETaxFilter::SetIncomeTaxReturnYY(tax::IncomeTaxReturnYYEnum v) {
  filter_.incomeTaxReturnYY.incomeTaxReturnYY(v);
}
void EETaxFilter::ClearIncomeTaxReturnYY() { filter_.incomeTaxReturnYY._default(); }
void EETaxFilter::SetAssociationEE(bool v) { filter_.associationEE.associationEE(v); }
void EETaxFilter::ClearAssociationEE() { filter_.associationEE._default(); }
void EETaxFilter::SetOidPCompany(std::string const& v) { field::SetText(filter_.oidPCompany, v); }
void EETaxFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void EETaxFilter::ClearPnr() { filter_.pnr._default(); }
void EETaxFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void EETaxFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EETaxFilter::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void EETaxFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}

// --- record object ----------------------------------------------------------

std::vector<personnel::Error*>* EETax::GetErrors() { return errors_.Get(Value().errors); }
void EETax::SetErrors(std::vector<personnel::Error*> const* v) {
  ErrorList::Set(Value().errors, v);
}

void EETax::Commit() {
  // Only the tax record travels; the answer is the whole record.
  CommitThreeWay<TaxService>(
      [](TaxServant_ptr s, Token t, tax::EETaxStruct const& v) { return s->createTax(t, v.tax); },
      [](TaxServant_ptr s, Token t, tax::EETaxStruct const& v, bool removeNew) {
        return s->addTax(t, v.tax, removeNew);
      },
      [](TaxServant_ptr s, Token t, tax::EETaxStruct const& v, bool removeNew) {
        return s->setTax(t, v.tax, removeNew);
      });
}

void EETax::GetMigrationEmployee() {
  auto result = Remote_::Call([this](TaxServant_ptr s, Token t) {
    SetInternalValidFrom(GetValidFrom());
    return s->getMigrationEmployee(t, ToIdl());
  });
  // Not TakeOver: the object stays as new as it was.
  SetValue(result.in());
  MakeBoCopy();
}

std::vector<EETax*>* EETax::GetActiveTax(std::vector<EETaxFilter*> const* filters,
                                         base::Sortierung const& sort) {
  return Remote_::List<EETax>([](TaxServant_ptr s, Token t, auto const& f,
                                 auto const& o) { return s->getActiveTax(t, f, o); },
                              ToIdlSeq<tax::EETaxFilterSeq>(filters), sort.ToIdl());
}

EETax::Callback* EETax::GetActiveEETaxsCB(std::vector<EETaxFilter*> const* filters,
                                          base::Sortierung const& sort, unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](TaxServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveTaxCB(t, f, o, cb);
      },
      ToIdlSeq<tax::EETaxFilterSeq>(filters), sort.ToIdl());
}

std::vector<EETax*>* EETax::GetAllTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e) {
        return s->getAllTaxHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EETax*>* EETax::GetActiveEffectiveTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e) {
        return s->getActiveEffectiveTaxHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EETax*>* EETax::GetEffectiveTaxHistory(std::string oid_employee, base::VDate date) {
  return Remote_::List<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEffectiveTaxHistory(t, e.c_str(), d.c_str());
      },
      oid_employee, date.ToIdl());
}

std::vector<EETax*>* EETax::GetLinkedAllTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedAllTaxHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EETax*>* EETax::GetLinkedActiveEffectiveTaxHistory(std::string oid_employee) {
  return Remote_::List<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedActiveEffectiveTaxHistory(t, e.c_str());
      },
      oid_employee);
}

EETax EETax::GetObjectFromObjectId(std::string const& oid_employee, base::VDate const& effective,
                                   base::VDate const& valid) {
  return Remote_::Fetch<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e, std::string const& at,
         std::string const& v) {
        return s->getObjectFromObjectId(t, e.c_str(), at.c_str(), v.c_str());
      },
      oid_employee, effective.ToIdl(), valid.ToIdl());
}

std::vector<EETax*>* EETax::GetTaxsForEmployeeCopy(std::string const& oid_employee,
                                                   std::string const& valid_from) {
  return Remote_::List<EETax>(
      [](TaxServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getTaxsForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

}  // namespace ostrel
