#include "calculation/value_position.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<ValuePositionService>;
using valueposition::ValuePositionServant_ptr;
using valueposition::ValuePositionStruct;
using Token = AccessToken_ptr;

EEValuePosition::EEValuePosition() {
  Value() = ValuePositionStruct{};
  MakeBoCopy();
}

EEValuePosition::EEValuePosition(ValuePositionStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

EEValuePosition::EEValuePosition(EEValuePosition const& o) : BO(o) {}

EEValuePosition& EEValuePosition::operator=(EEValuePosition const& o) {
  BO::operator=(o);
  closed_ = o.closed_;
  depth_ = o.depth_;
  return *this;
}

base::VDate EEValuePosition::GetEffectiveFrom() const { return field::Date(Value().effectiveFrom); }
base::VDate EEValuePosition::GetEffectiveUntil() const {
  return field::Date(Value().effectiveUntil);
}
base::VDate EEValuePosition::GetValidFrom() const { return field::Date(Value().validFrom); }
base::VDate EEValuePosition::GetValidUntil() const { return field::Date(Value().validUntil); }
std::string EEValuePosition::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
long EEValuePosition::GetValueTypeKey() const { return Value().valueTypeKey; }
std::string EEValuePosition::GetOidValueType() const { return field::Text(Value().oidValueType); }
std::wstring EEValuePosition::GetShortDescription() const {
  return field::Wide(Value().shortDescription);
}
std::string EEValuePosition::GetOidParentObject() const {
  return field::Text(Value().oidParentObject);
}
std::wstring EEValuePosition::GetShortDescriptionPO() const {
  return field::Wide(Value().shortDescriptionPO);
}
std::string EEValuePosition::GetOidGenesisObject() const {
  return field::Text(Value().oidGenesisObject);
}
std::wstring EEValuePosition::GetShortDescriptionGO() const {
  return field::Wide(Value().shortDescriptionGO);
}
base::VFixed EEValuePosition::GetFactor1() const { return field::Fixed(Value().factor1); }
base::VFixed EEValuePosition::GetFactor2() const { return field::Fixed(Value().factor2); }
base::VFixed EEValuePosition::GetResult() const { return field::Fixed(Value().result); }
std::string EEValuePosition::GetBezug() const { return field::Text(Value().bezug); }
base::VFixed EEValuePosition::GetPercentage() const { return field::Fixed(Value().percentage); }
base::VFixed EEValuePosition::GetPerformanceFactor() const {
  return field::Fixed(Value().performanceFactor);
}
std::string EEValuePosition::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
std::string EEValuePosition::GetCostCenterKey() const { return field::Text(Value().costCenterKey); }
std::wstring EEValuePosition::GetShortDescriptionCC() const {
  return field::Wide(Value().shortDescriptionCC);
}
std::string EEValuePosition::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
std::string EEValuePosition::GetCostUnitKey() const { return field::Text(Value().costUnitKey); }
std::wstring EEValuePosition::GetShortDescriptionCU() const {
  return field::Wide(Value().shortDescriptionCU);
}
base::VFixed EEValuePosition::GetEraCorrectionFactor() const {
  return field::Fixed(Value().eraCorrectionFactor);
}
base::VDate EEValuePosition::GetDocumentDate() const { return field::Date(Value().documentDate); }
std::string EEValuePosition::GetDocumentNumber() const {
  return field::Text(Value().documentNumber);
}
std::string EEValuePosition::GetOrderNumber() const { return field::Text(Value().orderNumber); }
std::string EEValuePosition::GetPartNumber() const { return field::Text(Value().partNumber); }
base::VFixed EEValuePosition::GetSetupTimeAndUnit() const {
  return field::Fixed(Value().setupTimeAndUnit);
}
base::VFixed EEValuePosition::GetYield() const { return field::Fixed(Value().yield); }
base::VFixed EEValuePosition::GetTargetOfTimeAndUnit() const {
  return field::Fixed(Value().targetOfTimeAndUnit);
}
base::VFixed EEValuePosition::GetTotalTarget() const { return field::Fixed(Value().totalTarget); }
base::VFixed EEValuePosition::GetRateOfLaborUtilisation() const {
  return field::Fixed(Value().rateOfLaborUtilisation);
}
base::VDate EEValuePosition::GetBookingDate() const { return field::Date(Value().bookingDate); }
std::string EEValuePosition::GetStageNumber() const { return field::Text(Value().stageNumber); }

// --- queries --------------------------------------------------------------

namespace {

// The queries by employee and period: op(servant, token, oid, from, until).
template <class Op>
std::vector<EEValuePosition*>* ByEmployee(Op op, std::string const& oid_employee,
                                          base::VDate const& from, base::VDate const& until) {
  return Remote_::List<EEValuePosition>(
      [op](ValuePositionServant_ptr s, Token t, std::string const& e, std::string const& f,
           std::string const& u) { return op(s, t, e.c_str(), f.c_str(), u.c_str()); },
      oid_employee, from.ToIdl(), until.ToIdl());
}

// The queries by position and period: op(servant, token, struct, from, until).
template <class Op>
std::vector<EEValuePosition*>* ByPosition(Op op, EEValuePosition const& position,
                                          base::VDate const& from, base::VDate const& until) {
  return Remote_::List<EEValuePosition>(
      [op](ValuePositionServant_ptr s, Token t, ValuePositionStruct const& p, std::string const& f,
           std::string const& u) { return op(s, t, p, f.c_str(), u.c_str()); },
      position.ToIdl(), from.ToIdl(), until.ToIdl());
}

}  // namespace

std::vector<EEValuePosition*>* EEValuePosition::GetSummarisedValuePositions(std::string oidEmployee,
                                                                            base::VDate from,
                                                                            base::VDate until) {
  return ByEmployee([](ValuePositionServant_ptr s, Token t, char const* e, char const* f,
                       char const* u) { return s->getSummarisedValuePositions(t, e, f, u); },
                    oidEmployee, from, until);
}

std::vector<EEValuePosition*>* EEValuePosition::GetCausersOfValuePosition(EEValuePosition position,
                                                                          base::VDate from,
                                                                          base::VDate until) {
  return ByPosition(
      [](ValuePositionServant_ptr s, Token t, ValuePositionStruct const& p, char const* f,
         char const* u) { return s->getCausersOfValuePosition(t, p, f, u); },
      position, from, until);
}

std::vector<EEValuePosition*>* EEValuePosition::GetValuePositionsEE(std::string oidEmployee,
                                                                    base::VDate from,
                                                                    base::VDate until) {
  return ByEmployee([](ValuePositionServant_ptr s, Token t, char const* e, char const* f,
                       char const* u) { return s->getValuePositionsEE(t, e, f, u); },
                    oidEmployee, from, until);
}

std::vector<EEValuePosition*>* EEValuePosition::GetValuePositionsER(std::string oidEmployee,
                                                                    base::VDate from,
                                                                    base::VDate until) {
  return ByEmployee([](ValuePositionServant_ptr s, Token t, char const* e, char const* f,
                       char const* u) { return s->getValuePositionsER(t, e, f, u); },
                    oidEmployee, from, until);
}

std::vector<EEValuePosition*>* EEValuePosition::GetCausersOfValuePositionER(
    EEValuePosition position, base::VDate from, base::VDate until) {
  return ByPosition(
      [](ValuePositionServant_ptr s, Token t, ValuePositionStruct const& p, char const* f,
         char const* u) { return s->getCausersOfValuePositionER(t, p, f, u); },
      position, from, until);
}

std::vector<EEValuePosition*>* EEValuePosition::GetUserValuePositions(std::string oidEmployee,
                                                                      base::VDate from,
                                                                      base::VDate until) {
  return ByEmployee([](ValuePositionServant_ptr s, Token t, char const* e, char const* f,
                       char const* u) { return s->getUserValuePositions(t, e, f, u); },
                    oidEmployee, from, until);
}

std::vector<EEValuePosition*>* EEValuePosition::GetConsequencesOfValuePosition(
    EEValuePosition position) {
  return Remote_::List<EEValuePosition>(
      [](ValuePositionServant_ptr s, Token t, ValuePositionStruct const& p) {
        return s->getConsequencesOfValuePosition(t, p);
      },
      position.ToIdl());
}

}  // namespace ostrel
