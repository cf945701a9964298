// EEValuePosition: one line of an employee's payroll result, and the queries
// that list an employee's positions and follow a position to its causers and
// consequences.
#ifndef OSTREL_CALCULATION_VALUEPOSITION_H_
#define OSTREL_CALCULATION_VALUEPOSITION_H_

#include <string>
#include <vector>

#include "bo.h"
#include "field.h"
#include "valueposition_kind.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// A value position as the server computed it; every accessor is read-only.
// Built from a struct it takes the position's identity.
//
// Closed and Depth are the caller's presentation state (an expanded tree
// node, its level); they never travel. A new object is not closed and has
// depth 0; copying starts from those, assignment copies them.
//
// Commit and Delete do nothing.
class EEValuePosition : public base::BO<valueposition::ValuePositionStruct> {
 public:
  EEValuePosition();
  explicit EEValuePosition(valueposition::ValuePositionStruct const& s);
  EEValuePosition(EEValuePosition const& o);
  EEValuePosition& operator=(EEValuePosition const& o);

  valueposition::ValuePositionStruct ToIdl() const override { return Value(); }

  base::VDate GetEffectiveFrom() const { return field::Date(Value().effectiveFrom); }
  base::VDate GetEffectiveUntil() const { return field::Date(Value().effectiveUntil); }
  base::VDate GetValidFrom() const { return field::Date(Value().validFrom); }
  base::VDate GetValidUntil() const { return field::Date(Value().validUntil); }
  std::string GetOidEmployee() const { return field::Text(Value().oidEmployee); }
  long GetValueTypeKey() const { return field::Long(Value().valueTypeKey); }
  std::string GetOidValueType() const { return field::Text(Value().oidValueType); }
  std::wstring GetShortDescription() const { return field::Wide(Value().shortDescription); }
  std::string GetOidParentObject() const { return field::Text(Value().oidParentObject); }
  std::wstring GetShortDescriptionPO() const { return field::Wide(Value().shortDescriptionPO); }
  std::string GetOidGenesisObject() const { return field::Text(Value().oidGenesisObject); }
  std::wstring GetShortDescriptionGO() const { return field::Wide(Value().shortDescriptionGO); }
  base::VFixed GetFactor1() const { return field::Fixed(Value().factor1); }
  base::VFixed GetFactor2() const { return field::Fixed(Value().factor2); }
  base::VFixed GetResult() const { return field::Fixed(Value().result); }
  std::string GetBezug() const { return field::Text(Value().bezug); }
  base::VFixed GetPercentage() const { return field::Fixed(Value().percentage); }
  base::VFixed GetPerformanceFactor() const { return field::Fixed(Value().performanceFactor); }
  std::string GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
  std::string GetCostCenterKey() const { return field::Text(Value().costCenterKey); }
  std::wstring GetShortDescriptionCC() const { return field::Wide(Value().shortDescriptionCC); }
  std::string GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
  std::string GetCostUnitKey() const { return field::Text(Value().costUnitKey); }
  std::wstring GetShortDescriptionCU() const { return field::Wide(Value().shortDescriptionCU); }
  base::VFixed GetEraCorrectionFactor() const { return field::Fixed(Value().eraCorrectionFactor); }
  base::VDate GetDocumentDate() const { return field::Date(Value().documentDate); }
  std::string GetDocumentNumber() const { return field::Text(Value().documentNumber); }
  std::string GetOrderNumber() const { return field::Text(Value().orderNumber); }
  std::string GetPartNumber() const { return field::Text(Value().partNumber); }
  base::VFixed GetSetupTimeAndUnit() const { return field::Fixed(Value().setupTimeAndUnit); }
  base::VFixed GetYield() const { return field::Fixed(Value().yield); }
  base::VFixed GetTargetOfTimeAndUnit() const { return field::Fixed(Value().targetOfTimeAndUnit); }
  base::VFixed GetTotalTarget() const { return field::Fixed(Value().totalTarget); }
  base::VFixed GetRateOfLaborUtilisation() const {
    return field::Fixed(Value().rateOfLaborUtilisation);
  }
  base::VDate GetBookingDate() const { return field::Date(Value().bookingDate); }
  std::string GetStageNumber() const { return field::Text(Value().stageNumber); }

  bool IsClosed() const { return closed_; }
  void SetClosed(bool v) { closed_ = v; }
  int GetDepth() const { return depth_; }
  void SetDepth(int v) { depth_ = v; }

  void Commit() {}
  void Delete() {}

  // Each query returns a new vector of new objects in the server's order;
  // the caller owns both. The two dates bound the period asked for (from,
  // until); they travel as wire text.

  // One line per value type over the period.
  static std::vector<EEValuePosition*>* GetSummarisedValuePositions(std::string oidEmployee,
                                                                    base::VDate from,
                                                                    base::VDate until);
  // The positions that caused `position` (the whole struct travels).
  static std::vector<EEValuePosition*>* GetCausersOfValuePosition(EEValuePosition position,
                                                                  base::VDate from,
                                                                  base::VDate until);
  // The employee's own (EE) and the employer's (ER) positions.
  static std::vector<EEValuePosition*>* GetValuePositionsEE(std::string oidEmployee,
                                                            base::VDate from, base::VDate until);
  static std::vector<EEValuePosition*>* GetValuePositionsER(std::string oidEmployee,
                                                            base::VDate from, base::VDate until);
  // The employer's positions that caused `position`.
  static std::vector<EEValuePosition*>* GetCausersOfValuePositionER(EEValuePosition position,
                                                                    base::VDate from,
                                                                    base::VDate until);
  // The positions users entered.
  static std::vector<EEValuePosition*>* GetUserValuePositions(std::string oidEmployee,
                                                              base::VDate from, base::VDate until);
  // The positions that `position` led to.
  static std::vector<EEValuePosition*>* GetConsequencesOfValuePosition(EEValuePosition position);

 private:
  bool closed_ = false;
  int depth_ = 0;
};

}  // namespace ostrel

#endif  // OSTREL_CALCULATION_VALUEPOSITION_H_
