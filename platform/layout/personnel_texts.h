// Wire-text declarations (wire_texts.h) of the personnel framework's shared
// structs, which records of many kinds carry.
#ifndef OSTREL_LAYOUT_PERSONNEL_TEXTS_H_
#define OSTREL_LAYOUT_PERSONNEL_TEXTS_H_

#include <tuple>

#include "personnel.hh"
#include "wire_texts.h"

namespace ostrel {

namespace personnel_idl {
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace pfilter = com::ostrel::personnel::framework::filter;
namespace preports = com::ostrel::personnel::domain::reports;
namespace ptov = com::ostrel::personnel::domain::typeofvalue::basictypes;
namespace payscale = com::ostrel::personnel::domain::payscale::payscalegroup;
}  // namespace personnel_idl

// Structs without a date, number or time stamp declare so, once.
template <>
struct WireTexts<personnel_idl::pbt::IntervalStruct> {
  static constexpr auto kMembers = std::make_tuple();
};
template <>
struct WireTexts<personnel_idl::pbt::ErrorStruct> {
  static constexpr auto kMembers = std::make_tuple();
};
template <>
struct WireTexts<personnel_idl::pbt::PostalAddressStruct> {
  static constexpr auto kMembers = std::make_tuple();
};
template <>
struct WireTexts<personnel_idl::pbt::CommunicationStruct> {
  static constexpr auto kMembers = std::make_tuple();
};
template <>
struct WireTexts<personnel_idl::pbt::BankAccountStruct> {
  static constexpr auto kMembers = std::make_tuple();
};
template <>
struct WireTexts<personnel_idl::pfilter::EmployeeExtendedFilterStruct> {
  static constexpr auto kMembers = std::make_tuple();
};
template <>
struct WireTexts<personnel_idl::preports::ReportSecondFilterStruct> {
  static constexpr auto kMembers = std::make_tuple();
};

template <>
struct WireTexts<personnel_idl::pbt::ContactStruct> {
  using S = personnel_idl::pbt::ContactStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Date<&S::contactDate>{"contactDate"});
};
template <>
struct WireTexts<personnel_idl::pbt::NoteStruct> {
  using S = personnel_idl::pbt::NoteStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Date<&S::noteDate>{"noteDate"});
};
template <>
struct WireTexts<personnel_idl::pfilter::EmployeeBasicFilterStruct> {
  using S = personnel_idl::pfilter::EmployeeBasicFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};
template <>
struct WireTexts<personnel_idl::preports::ReportFirstFilterStruct> {
  using S = personnel_idl::preports::ReportFirstFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::extendedFilter>{"extendedFilter"});
};
template <>
struct WireTexts<personnel_idl::preports::ReportThirdFilterStruct> {
  using S = personnel_idl::preports::ReportThirdFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};
template <>
struct WireTexts<personnel_idl::ptov::TruncationStruct> {
  using S = personnel_idl::ptov::TruncationStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Fixed<&S::truncationUnit>{"truncationUnit"});
};
template <>
struct WireTexts<personnel_idl::payscale::PayScaleLevelStruct> {
  using S = personnel_idl::payscale::PayScaleLevelStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                                                   wire::Fixed<&S::amount>{"amount"});
};

}  // namespace ostrel

#endif  // OSTREL_LAYOUT_PERSONNEL_TEXTS_H_
