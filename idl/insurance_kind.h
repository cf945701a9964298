// The insurance module as the library and the reference server both see
// it: the record's layout, the servant's name and which texts of the
// received structs hold dates and amounts.
#ifndef OSTREL_IDL_INSURANCE_KIND_H_
#define OSTREL_IDL_INSURANCE_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "insurance.hh"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

namespace ostrel {

namespace insurance = com::ostrel::personnel::domain::employee::insurance;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<insurance::EEInsuranceStruct>
    : EmployeeRecordLayout<&insurance::EEInsuranceStruct::employeeShort,
                           &insurance::EEInsuranceStruct::insurance> {};

struct InsuranceService {
  using Servant = insurance::InsuranceServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.insurance.InsuranceServantImpl";
};

template <>
struct WireTexts<insurance::InsuranceStruct> {
  using S = insurance::InsuranceStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateNoExemptionPF>{"dateNoExemptionPF"},
      wire::Fixed<&S::totalRateToPHI>{"totalRateToPHI"},
      wire::Fixed<&S::totalRateToVHI>{"totalRateToVHI"},
      wire::Fixed<&S::totalRateToPNI>{"totalRateToPNI"},
      wire::Fixed<&S::totalRateToVNI>{"totalRateToVNI"},
      wire::Date<&S::registrSIidCard>{"registrSIidCard"},
      wire::Fixed<&S::limitOfDues>{"limitOfDues"}, wire::Fixed<&S::legalPension>{"legalPension"},
      wire::Fixed<&S::duesHI>{"duesHI"}, wire::Fixed<&S::duesNI>{"duesNI"},
      wire::Date<&S::beginAgePartTime>{"beginAgePartTime"},
      wire::Date<&S::endAgePartTime>{"endAgePartTime"},
      wire::Fixed<&S::percentageIncreaseDues>{"percentageIncreaseDues"},
      wire::Fixed<&S::percentageMinNetIncome>{"percentageMinNetIncome"},
      wire::Fixed<&S::percentagePIIncrease>{"percentagePIIncrease"},
      wire::Date<&S::beginWorkExemption>{"beginWorkExemption"},
      wire::Date<&S::dateOfReceipt>{"dateOfReceipt"},
      wire::Date<&S::dateOfReceiptKVdR>{"dateOfReceiptKVdR"},
      wire::Fixed<&S::totalRateToVHIAbleForGrantByER>{"totalRateToVHIAbleForGrantByER"},
      wire::Fixed<&S::totalDues>{"totalDues"},
      wire::Fixed<&S::employersAllowance>{"employersAllowance"},
      wire::Date<&S::startingDatePHI>{"startingDatePHI"},
      wire::Date<&S::startOfPensionPayment>{"startOfPensionPayment"},
      wire::Date<&S::dateOfPensionBalance>{"dateOfPensionBalance"},
      wire::Fixed<&S::baseRatePrivateInsurance>{"baseRatePrivateInsurance"},
      wire::Date<&S::beginKVDR>{"beginKVDR"}, wire::Date<&S::endKVDR>{"endKVDR"},
      wire::Date<&S::dateCapitalPayment>{"dateCapitalPayment"},
      wire::Date<&S::beginCapitalPayment>{"beginCapitalPayment"},
      wire::Date<&S::endCapitalPayment>{"endCapitalPayment"},
      wire::Fixed<&S::capitalPayment>{"capitalPayment"},
      wire::Date<&S::dateOfStartOfPensionWith65>{"dateOfStartOfPensionWith65"},
      wire::Fixed<&S::annaulEarningsGLZ>{"annaulEarningsGLZ"},
      wire::Fixed<&S::duesKVDR>{"duesKVDR"},
      wire::Date<&S::dateOfferForExemptionFromPI>{"dateOfferForExemptionFromPI"},
      wire::Fixed<&S::erAllowanceHIFarm>{"erAllowanceHIFarm"},
      wire::Fixed<&S::erAllowanceNIFarm>{"erAllowanceNIFarm"},
      wire::Fixed<&S::freeAmount>{"freeAmount"});
};

template <>
struct WireTexts<insurance::EEInsuranceStruct> {
  using S = insurance::EEInsuranceStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::employeeShort>{"employeeShort"},
                                                   wire::Nested<&S::insurance>{"insurance"},
                                                   wire::NestedSeq<&S::errors>{"errors"});
};

template <>
struct WireTexts<insurance::EEInsuranceFilterStruct> {
  using S = insurance::EEInsuranceFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_INSURANCE_KIND_H_
