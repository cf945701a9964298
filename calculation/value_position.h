// EEValuePosition: one line of an employee's payroll result, and the queries
// that list an employee's positions and follow a position to its causers and
// consequences.
#ifndef OSTREL_CALCULATION_VALUE_POSITION_H_
#define OSTREL_CALCULATION_VALUE_POSITION_H_

#include <string>
#include <vector>

#include "bo.h"
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

  base::VDate GetEffectiveFrom() const;
  base::VDate GetEffectiveUntil() const;
  base::VDate GetValidFrom() const;
  base::VDate GetValidUntil() const;
  std::string GetOidEmployee() const;
  long GetValueTypeKey() const;
  std::string GetOidValueType() const;
  std::wstring GetShortDescription() const;
  std::string GetOidParentObject() const;
  std::wstring GetShortDescriptionPO() const;
  std::string GetOidGenesisObject() const;
  std::wstring GetShortDescriptionGO() const;
  base::VFixed GetFactor1() const;
  base::VFixed GetFactor2() const;
  base::VFixed GetResult() const;
  std::string GetBezug() const;
  base::VFixed GetPercentage() const;
  base::VFixed GetPerformanceFactor() const;
  std::string GetOidCostCenter() const;
  std::string GetCostCenterKey() const;
  std::wstring GetShortDescriptionCC() const;
  std::string GetOidCostUnit() const;
  std::string GetCostUnitKey() const;
  std::wstring GetShortDescriptionCU() const;
  base::VFixed GetEraCorrectionFactor() const;
  base::VDate GetDocumentDate() const;
  std::string GetDocumentNumber() const;
  std::string GetOrderNumber() const;
  std::string GetPartNumber() const;
  base::VFixed GetSetupTimeAndUnit() const;
  base::VFixed GetYield() const;
  base::VFixed GetTargetOfTimeAndUnit() const;
  base::VFixed GetTotalTarget() const;
  base::VFixed GetRateOfLaborUtilisation() const;
  base::VDate GetBookingDate() const;
  std::string GetStageNumber() const;

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

#endif  // OSTREL_CALCULATION_VALUE_POSITION_H_
