#include "statutory/pension_funds.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Token = AccessToken_ptr;
using vblu::EEVBLUServant_ptr;
using zvk::EEZVKServant_ptr;

// --- ZVK period -------------------------------------------------------------

ZVKTP::ZVKTP() {
  Value() = zvk::ZVKStruct();
  SetZvkTypeOfCalcAddCont(zvk::ZVK_ADD_CONT_NONE);
  SetZvkTypeOfCalculation(zvk::ZVK_CALCULATION_STANDARD);
  SetToShiftLumpsumITax(false);
  SetToShiftLumpsumSTax(false);
  SetToShiftLumpsumCTax(false);
  SetCutexemptionlimit(false);
  SetCalculateAddAssessment(false);
  SetAddAmount3No63EStG(true);
  SetFurtherInsurance(zvk::FURTHER_INSURANCE_NONE);
  SetNumberOfChildren(0);
  SetNumberOfChildrenAfter(0);
  SetBeginAgePartTimeBefore2003(false);
  SetCalculationOfAddCont(zvk::ADD_CONT_NONE);
  SetAdvancementTypeAsCtPays(0);
  SetPriorInsurance(false);
  MakeBoCopy();
}
ZVKTP::ZVKTP(zvk::ZVKStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
ZVKTP::ZVKTP(ZVKTP const& o) : BO(o) { MakeBoCopy(); }

std::string ZVKTP::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void ZVKTP::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
std::string ZVKTP::GetOidRecipient() const { return field::Text(Value().oidRecipient); }
void ZVKTP::SetOidRecipient(std::string const& v) { field::SetText(Value().oidRecipient, v); }
base::VDate ZVKTP::GetDateOfEntryZVK() const { return field::Date(Value().dateOfEntryZVK); }
void ZVKTP::SetDateOfEntryZVK(base::VDate const& v) { field::SetDate(Value().dateOfEntryZVK, v); }
base::VDate ZVKTP::GetDateOfWithDrawalZVK() const {
  return field::Date(Value().dateOfWithDrawalZVK);
}
void ZVKTP::SetDateOfWithDrawalZVK(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawalZVK, v);
}
std::string ZVKTP::GetMembershipNumber() const { return field::Text(Value().membershipNumber); }
void ZVKTP::SetMembershipNumber(std::string const& v) {
  field::SetText(Value().membershipNumber, v);
}
zvk::ZvkTypeOfCalcAddContEnum ZVKTP::GetZvkTypeOfCalcAddCont() const {
  return Value().zvkTypeOfCalcAddCont;
}
void ZVKTP::SetZvkTypeOfCalcAddCont(zvk::ZvkTypeOfCalcAddContEnum v) {
  Value().zvkTypeOfCalcAddCont = v;
}
zvk::ZvkTypeOfCalculationEnum ZVKTP::GetZvkTypeOfCalculation() const {
  return Value().zvkTypeOfCalculation;
}
void ZVKTP::SetZvkTypeOfCalculation(zvk::ZvkTypeOfCalculationEnum v) {
  Value().zvkTypeOfCalculation = v;
}
bool ZVKTP::GetToShiftLumpsumITax() const { return Value().toShiftLumpsumITax; }
void ZVKTP::SetToShiftLumpsumITax(bool v) { Value().toShiftLumpsumITax = v; }
bool ZVKTP::GetToShiftLumpsumSTax() const { return Value().toShiftLumpsumSTax; }
void ZVKTP::SetToShiftLumpsumSTax(bool v) { Value().toShiftLumpsumSTax = v; }
bool ZVKTP::GetToShiftLumpsumCTax() const { return Value().toShiftLumpsumCTax; }
void ZVKTP::SetToShiftLumpsumCTax(bool v) { Value().toShiftLumpsumCTax = v; }
bool ZVKTP::GetCutexemptionlimit() const { return Value().cutexemptionlimit; }
void ZVKTP::SetCutexemptionlimit(bool v) { Value().cutexemptionlimit = v; }
bool ZVKTP::GetCalculateAddAssessment() const { return Value().calculateAddAssessment; }
void ZVKTP::SetCalculateAddAssessment(bool v) { Value().calculateAddAssessment = v; }
bool ZVKTP::GetAddAmount3No63EStG() const { return Value().addAmount3No63EStG; }
void ZVKTP::SetAddAmount3No63EStG(bool v) { Value().addAmount3No63EStG = v; }
zvk::FurtherInsuranceEnum ZVKTP::GetFurtherInsurance() const { return Value().furtherInsurance; }
void ZVKTP::SetFurtherInsurance(zvk::FurtherInsuranceEnum v) { Value().furtherInsurance = v; }
std::string ZVKTP::GetOidZVEReason() const { return field::Text(Value().oidZVEReason); }
void ZVKTP::SetOidZVEReason(std::string const& v) { field::SetText(Value().oidZVEReason, v); }
std::string ZVKTP::GetOidZVEState() const { return field::Text(Value().oidZVEState); }
void ZVKTP::SetOidZVEState(std::string const& v) { field::SetText(Value().oidZVEState, v); }
int ZVKTP::GetNumberOfChildren() const { return Value().numberOfChildren; }
void ZVKTP::SetNumberOfChildren(int v) { Value().numberOfChildren = static_cast<CORBA::Long>(v); }
base::VDate ZVKTP::GetChangeDateChildren() const { return field::Date(Value().changeDateChildren); }
void ZVKTP::SetChangeDateChildren(base::VDate const& v) {
  field::SetDate(Value().changeDateChildren, v);
}
int ZVKTP::GetNumberOfChildrenAfter() const { return Value().numberOfChildrenAfter; }
void ZVKTP::SetNumberOfChildrenAfter(int v) {
  Value().numberOfChildrenAfter = static_cast<CORBA::Long>(v);
}
bool ZVKTP::GetBeginAgePartTimeBefore2003() const { return Value().beginAgePartTimeBefore2003; }
void ZVKTP::SetBeginAgePartTimeBefore2003(bool v) { Value().beginAgePartTimeBefore2003 = v; }
zvk::CalcOfAddContEnum ZVKTP::GetCalculationOfAddCont() const {
  return Value().calculationOfAddCont;
}
void ZVKTP::SetCalculationOfAddCont(zvk::CalcOfAddContEnum v) { Value().calculationOfAddCont = v; }
long ZVKTP::GetAdvancementTypeAsCtPays() const { return Value().advancementTypeAsCtPays; }
void ZVKTP::SetAdvancementTypeAsCtPays(long v) {
  Value().advancementTypeAsCtPays = static_cast<CORBA::Long>(v);
}
base::VFixed ZVKTP::GetMonthCompValueErAddCont() const {
  return field::Fixed(Value().monthCompValueErAddCont);
}
void ZVKTP::SetMonthCompValueErAddCont(base::VFixed const& v) {
  field::SetFixed(Value().monthCompValueErAddCont, v);
}
bool ZVKTP::GetPriorInsurance() const { return Value().priorInsurance; }
void ZVKTP::SetPriorInsurance(bool v) { Value().priorInsurance = v; }

// --- VBLU period ------------------------------------------------------------

VBLUTP::VBLUTP() {
  Value() = vblu::VBLUStruct();
  SetVbluImplementationPath(vblu::VBLU_PATH_DIRECT_COMMITMENT);
  SetToShiftLumpsumITax(false);
  SetToShiftLumpsumSTax(false);
  SetToShiftLumpsumCTax(false);
  SetConsumptionExemtionLimit(true);
  SetTruncationOfContribution(false);
  SetContPercEE(base::VFixed(0));
  SetContPercER(base::VFixed(0));
  SetCarriedForwardYear(0);
  SetCarriedForward(base::VFixed(0));
  SetAdvancementTypeAsCtPays(0);
  MakeBoCopy();
}
VBLUTP::VBLUTP(vblu::VBLUStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
VBLUTP::VBLUTP(VBLUTP const& o) : BO(o) { MakeBoCopy(); }

std::string VBLUTP::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void VBLUTP::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
std::string VBLUTP::GetOidRecipient() const { return field::Text(Value().oidRecipient); }
void VBLUTP::SetOidRecipient(std::string const& v) { field::SetText(Value().oidRecipient, v); }
base::VDate VBLUTP::GetDateOfEntryVBLU() const { return field::Date(Value().dateOfEntryVBLU); }
void VBLUTP::SetDateOfEntryVBLU(base::VDate const& v) {
  field::SetDate(Value().dateOfEntryVBLU, v);
}
base::VDate VBLUTP::GetDateOfWithDrawalVBLU() const {
  return field::Date(Value().dateOfWithDrawalVBLU);
}
void VBLUTP::SetDateOfWithDrawalVBLU(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawalVBLU, v);
}
std::string VBLUTP::GetMembershipNumber() const { return field::Text(Value().membershipNumber); }
void VBLUTP::SetMembershipNumber(std::string const& v) {
  field::SetText(Value().membershipNumber, v);
}
vblu::VbluImplementationPathEnum VBLUTP::GetVbluImplementationPath() const {
  return Value().vbluImplementationPath;
}
void VBLUTP::SetVbluImplementationPath(vblu::VbluImplementationPathEnum v) {
  Value().vbluImplementationPath = v;
}
bool VBLUTP::GetToShiftLumpsumITax() const { return Value().toShiftLumpsumITax; }
void VBLUTP::SetToShiftLumpsumITax(bool v) { Value().toShiftLumpsumITax = v; }
bool VBLUTP::GetToShiftLumpsumSTax() const { return Value().toShiftLumpsumSTax; }
void VBLUTP::SetToShiftLumpsumSTax(bool v) { Value().toShiftLumpsumSTax = v; }
bool VBLUTP::GetToShiftLumpsumCTax() const { return Value().toShiftLumpsumCTax; }
void VBLUTP::SetToShiftLumpsumCTax(bool v) { Value().toShiftLumpsumCTax = v; }
bool VBLUTP::GetConsumptionExemtionLimit() const { return Value().consumptionExemtionLimit; }
void VBLUTP::SetConsumptionExemtionLimit(bool v) { Value().consumptionExemtionLimit = v; }
bool VBLUTP::GetTruncationOfContribution() const { return Value().truncationOfContribution; }
void VBLUTP::SetTruncationOfContribution(bool v) { Value().truncationOfContribution = v; }
base::VFixed VBLUTP::GetContPercEE() const { return field::Fixed(Value().contPercEE); }
void VBLUTP::SetContPercEE(base::VFixed const& v) { field::SetFixed(Value().contPercEE, v); }
base::VFixed VBLUTP::GetContPercER() const { return field::Fixed(Value().contPercER); }
void VBLUTP::SetContPercER(base::VFixed const& v) { field::SetFixed(Value().contPercER, v); }
long VBLUTP::GetCarriedForwardYear() const { return Value().carriedForwardYear; }
void VBLUTP::SetCarriedForwardYear(long v) {
  Value().carriedForwardYear = static_cast<CORBA::Long>(v);
}
base::VFixed VBLUTP::GetCarriedForward() const { return field::Fixed(Value().carriedForward); }
void VBLUTP::SetCarriedForward(base::VFixed const& v) {
  field::SetFixed(Value().carriedForward, v);
}
long VBLUTP::GetAdvancementTypeAsCtPays() const { return Value().advancementTypeAsCtPays; }
void VBLUTP::SetAdvancementTypeAsCtPays(long v) {
  Value().advancementTypeAsCtPays = static_cast<CORBA::Long>(v);
}
base::VFixed VBLUTP::GetMonthCompValueErAddCont() const {
  return field::Fixed(Value().monthCompValueErAddCont);
}
void VBLUTP::SetMonthCompValueErAddCont(base::VFixed const& v) {
  field::SetFixed(Value().monthCompValueErAddCont, v);
}

// --- filters ----------------------------------------------------------------

template <class FilterStruct>
void PensionFundFilter<FilterStruct>::Clear() {
  SetOidPCompany("");
  SetOidRecipient("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::SetOidRecipient(std::string const& v) {
  field::SetText(filter_.oidRecipient, v);
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::SetPnr(long v) {
  filter_.pnr.pnr(static_cast<CORBA::Long>(v));
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::ClearPnr() {
  filter_.pnr._default();
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::SetSurname(std::string const& v) {
  field::SetText(filter_.surname, v);
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
template <class FilterStruct>
void PensionFundFilter<FilterStruct>::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}

template class PensionFundFilter<zvk::EEZVKFilterStruct>;
template class PensionFundFilter<vblu::EEVBLUFilterStruct>;

// --- record objects ---------------------------------------------------------

namespace {

// The two servants' operations under shared names, so that the record code
// below names each operation once.
zvk::EEZVKStruct* Create(EEZVKServant_ptr s, Token t, zvk::EEZVKStruct const& v) {
  return s->createEEZVK(t, v);
}
vblu::EEVBLUStruct* Create(EEVBLUServant_ptr s, Token t, vblu::EEVBLUStruct const& v) {
  return s->createEEVBLU(t, v);
}
zvk::EEZVKStruct* Add(EEZVKServant_ptr s, Token t, zvk::EEZVKStruct const& v, bool removeNew) {
  return s->addEEZVK(t, v, removeNew);
}
vblu::EEVBLUStruct* Add(EEVBLUServant_ptr s, Token t, vblu::EEVBLUStruct const& v, bool removeNew) {
  return s->addEEVBLU(t, v, removeNew);
}
zvk::EEZVKStruct* Set(EEZVKServant_ptr s, Token t, zvk::EEZVKStruct const& v, bool removeNew) {
  return s->setEEZVK(t, v, removeNew);
}
vblu::EEVBLUStruct* Set(EEVBLUServant_ptr s, Token t, vblu::EEVBLUStruct const& v, bool removeNew) {
  return s->setEEVBLU(t, v, removeNew);
}
void Delete(EEZVKServant_ptr s, Token t, zvk::EEZVKStruct const& v) { s->deleteEEZVK(t, v); }
void Delete(EEVBLUServant_ptr s, Token t, vblu::EEVBLUStruct const& v) { s->deleteEEVBLU(t, v); }
zvk::EEZVKSeq* Active(EEZVKServant_ptr s, Token t, zvk::EEZVKFilterSeq const& f,
                      base::SortierungStruct const& o) {
  return s->getActiveEEZVKs(t, f, o);
}
vblu::EEVBLUSeq* Active(EEVBLUServant_ptr s, Token t, vblu::EEVBLUFilterSeq const& f,
                        base::SortierungStruct const& o) {
  return s->getActiveEEVBLUs(t, f, o);
}
void ActiveCB(EEZVKServant_ptr s, Token t, zvk::EEZVKFilterSeq const& f,
              base::SortierungStruct const& o, zvk::EEZVKStructCallback_ptr cb) {
  s->getActiveEEZVKsCB(t, f, o, cb);
}
void ActiveCB(EEVBLUServant_ptr s, Token t, vblu::EEVBLUFilterSeq const& f,
              base::SortierungStruct const& o, vblu::EEVBLUStructCallback_ptr cb) {
  s->getActiveEEVBLUsCB(t, f, o, cb);
}
zvk::EEZVKSeq* AllHistory(EEZVKServant_ptr s, Token t, char const* e) {
  return s->getAllEEZVKHistory(t, e);
}
vblu::EEVBLUSeq* AllHistory(EEVBLUServant_ptr s, Token t, char const* e) {
  return s->getAllEEVBLUHistory(t, e);
}
zvk::EEZVKSeq* ActiveEffectiveHistory(EEZVKServant_ptr s, Token t, char const* e) {
  return s->getActiveEffectiveEEZVKHistory(t, e);
}
vblu::EEVBLUSeq* ActiveEffectiveHistory(EEVBLUServant_ptr s, Token t, char const* e) {
  return s->getActiveEffectiveEEVBLUHistory(t, e);
}
zvk::EEZVKSeq* EffectiveHistory(EEZVKServant_ptr s, Token t, char const* e, char const* d) {
  return s->getEffectiveEEZVKHistory(t, e, d);
}
vblu::EEVBLUSeq* EffectiveHistory(EEVBLUServant_ptr s, Token t, char const* e, char const* d) {
  return s->getEffectiveEEVBLUHistory(t, e, d);
}
zvk::EEZVKStruct* ObjectFromObjectId(EEZVKServant_ptr s, Token t, char const* e, char const* at,
                                     char const* v) {
  return s->getObjectFromObjectId(t, e, at, v);
}
vblu::EEVBLUStruct* ObjectFromObjectId(EEVBLUServant_ptr s, Token t, char const* e, char const* at,
                                       char const* v) {
  return s->getObjectFromObjectId(t, e, at, v);
}
zvk::EEZVKSeq* ForEmployeeCopy(EEZVKServant_ptr s, Token t, char const* e, char const* v) {
  return s->getZVKsForEmployeeCopy(t, e, v);
}
vblu::EEVBLUSeq* ForEmployeeCopy(EEVBLUServant_ptr s, Token t, char const* e, char const* v) {
  return s->getVBLUsForEmployeeCopy(t, e, v);
}

}  // namespace

template <class Record, class Kind>
std::vector<personnel::Error*>* PensionFundRecord<Record, Kind>::GetErrors() {
  return errors_.Get(this->Value().errors);
}

template <class Record, class Kind>
void PensionFundRecord<Record, Kind>::SetErrors(std::vector<personnel::Error*> const* v) {
  ErrorList::Set(this->Value().errors, v);
}

template <class Record, class Kind>
void PensionFundRecord<Record, Kind>::ResetEffectiveFrom() {
  this->Period().effectiveFrom = "";
}

template <class Record, class Kind>
void PensionFundRecord<Record, Kind>::Commit() {
  this->template CommitThreeWay<typename Kind::Service>(
      [](auto s, Token t, auto const& v) { return Create(s, t, v); },
      [](auto s, Token t, auto const& v, bool removeNew) { return Add(s, t, v, removeNew); },
      [](auto s, Token t, auto const& v, bool removeNew) { return Set(s, t, v, removeNew); });
}

template <class Record, class Kind>
void PensionFundRecord<Record, Kind>::Delete() {
  // The whole current value identifies what is deleted.
  this->template RemoteWrite<typename Kind::Service>(
      [this](auto s, Token t) { ::ostrel::Delete(s, t, this->ToIdl()); }, OnFailure::kReset);
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::Active(
    std::vector<typename Kind::Filter*> const* filters, base::Sortierung const& sort) {
  return Remote<typename Kind::Service>::template List<Record>(
      [](auto s, Token t, auto const& f, auto const& o) { return ::ostrel::Active(s, t, f, o); },
      ToIdlSeq<typename Kind::FilterSeq>(filters), sort.ToIdl());
}

template <class Record, class Kind>
typename PensionFundRecord<Record, Kind>::Callback* PensionFundRecord<Record, Kind>::ActiveCB(
    std::vector<typename Kind::Filter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote<typename Kind::Service>::Stream(
      new Callback(max_hits),
      [](auto s, Token t, auto const& f, auto const& o, auto cb) {
        ::ostrel::ActiveCB(s, t, f, o, cb);
      },
      ToIdlSeq<typename Kind::FilterSeq>(filters), sort.ToIdl());
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::AllHistory(std::string const& oid_employee) {
  return Remote<typename Kind::Service>::template List<Record>(
      [](auto s, Token t, std::string const& e) { return ::ostrel::AllHistory(s, t, e.c_str()); },
      oid_employee);
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::ActiveEffectiveHistory(
    std::string const& oid_employee) {
  return Remote<typename Kind::Service>::template List<Record>(
      [](auto s, Token t, std::string const& e) {
        return ::ostrel::ActiveEffectiveHistory(s, t, e.c_str());
      },
      oid_employee);
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::EffectiveHistory(
    std::string const& oid_employee, base::VDate const& date) {
  return Remote<typename Kind::Service>::template List<Record>(
      [](auto s, Token t, std::string const& e, std::string const& d) {
        return ::ostrel::EffectiveHistory(s, t, e.c_str(), d.c_str());
      },
      oid_employee, date.ToIdl());
}

template <class Record, class Kind>
Record PensionFundRecord<Record, Kind>::ObjectFromObjectId(std::string const& oid_employee,
                                                           base::VDate const& effective,
                                                           base::VDate const& valid) {
  return Remote<typename Kind::Service>::template Fetch<Record>(
      [](auto s, Token t, std::string const& e, std::string const& at, std::string const& v) {
        return ::ostrel::ObjectFromObjectId(s, t, e.c_str(), at.c_str(), v.c_str());
      },
      oid_employee, effective.ToIdl(), valid.ToIdl());
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::ForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote<typename Kind::Service>::template List<Record>(
      [](auto s, Token t, std::string const& e, std::string const& v) {
        return ::ostrel::ForEmployeeCopy(s, t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

template class PensionFundRecord<EEZVK, ZVKKind>;
template class PensionFundRecord<EEVBLU, VBLUKind>;

}  // namespace ostrel
