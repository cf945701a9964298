// What is generated from the IDL, as the library and the server use it: the
// wire-text walk through unions, and the defaults a new part sends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "employee/employee.h"
#include "employee/employment.h"
#include "employee/entry.h"
#include "employee/master.h"
#include "idl_model.h"
#include "pay/bankdetails.h"
#include "pay/scalepayment.h"
#include "statutory/accidentinsurancefund.h"
#include "statutory/deuvdskk.h"
#include "statutory/disability.h"
#include "statutory/dismissal.h"
#include "statutory/insurance.h"
#include "statutory/pensionfunds.h"
#include "statutory/pensionscheme.h"
#include "statutory/tax.h"
#include "time/absenttime.h"
#include "wire_texts.h"

namespace ostrel {
namespace {

template <class S>
std::vector<std::string> TextPaths(S& s) {
  std::vector<std::string> paths;
  ForEachText(s, [&](std::string const& path, TextKind, auto const&) { paths.push_back(path); });
  return paths;
}

bool Has(std::vector<std::string> const& v, std::string const& x) {
  return std::find(v.begin(), v.end(), x) != v.end();
}

TEST(WireTextWalk, EntersTheSelectedUnionCaseOnly) {
  employment::EEEmploymentStruct s{};
  auto const unselected = TextPaths(s);
  EXPECT_TRUE(Has(unselected, "employment.dateOfEntry"));
  EXPECT_FALSE(Has(unselected, "employment.dbt.dbt.dateOfApplication"));

  s.employment.dbt.dbt(employment::DbtStruct{});
  auto const selected = TextPaths(s);
  EXPECT_TRUE(Has(selected, "employment.dbt.dbt.virtualWithdrawal"));
  EXPECT_TRUE(Has(selected, "employment.dbt.dbt.dateOfApplication"));
  EXPECT_EQ(selected.size(), unselected.size() + 2);

  // Growing a struct for a probe selects the case, so that the probe reaches it.
  employment::EEEmploymentStruct grown{};
  GrowSequences(grown);
  EXPECT_TRUE(Has(TextPaths(grown), "employment.dbt.dbt.virtualWithdrawal"));
  EXPECT_TRUE(Has(TextPaths(grown), "employment.partCostCenters[0].percentage"));
}

TEST(WireTextWalk, WritesThroughTheUnion) {
  employment::EEEmploymentStruct s{};
  s.employment.dbt.dbt(employment::DbtStruct{});
  ForEachText(s, [](std::string const& path, TextKind kind, auto& member) {
    if (path == "employment.dbt.dbt.virtualWithdrawal") {
      EXPECT_EQ(kind, TextKind::kDate);
      member = "2026-01-31";
    }
  });
  EXPECT_STREQ(s.employment.dbt.dbt().virtualWithdrawal.in(), "2026-01-31");
}

// --- defaults ----------------------------------------------------------------

template <class A, class B>
bool SameMember(A a, B b) {
  if constexpr (std::is_same_v<A, B>) {
    return a == b;
  } else {
    return false;
  }
}

template <class T>
bool SameValue(T const& a, T const& b) {
  if constexpr (std::is_same_v<T, CORBA::String_member>) {
    return std::strcmp(a.in(), b.in()) == 0;
  } else if constexpr (std::is_same_v<T, CORBA::WString_member>) {
    return std::wcscmp(a.in(), b.in()) == 0;
  } else {
    return a == b;
  }
}

// A new part sends its listed defaults and zero, false or empty in every
// other plain member; nested structs and sequences are the nested parts'.
template <class Part>
void ExpectDefaultsAndZeros() {
  using S = typename Part::StructType;
  S const sent = Part().ToIdl();
  S expected{};
  ApplyDefaults(expected, Part::kDefaults);
  int listed = 0;
  ForEachField<S>([&](auto const& f) {
    using F = std::decay_t<decltype(f)>;
    constexpr idl::Kind k = F::kKind;
    if constexpr (k != idl::Kind::kStruct && k != idl::Kind::kSequence && k != idl::Kind::kUnion &&
                  k != idl::Kind::kOther) {
      std::apply([&](auto const&... d) { listed += (SameMember(d.kMember, F::kMember) + ... + 0); },
                 Part::kDefaults);
      EXPECT_TRUE(SameValue(F::Of(sent), F::Of(expected))) << f.name << " at " << f.position;
    }
  });
  EXPECT_EQ(listed, static_cast<int>(std::tuple_size_v<std::decay_t<decltype(Part::kDefaults)>>))
      << "a default names a member that is not a plain one";
}

template <class... Parts>
void ExpectForEach() {
  (ExpectDefaultsAndZeros<Parts>(), ...);
}

TEST(PartDefaults, NewPartsSendTheirDefaultsAndZeroElsewhere) {
  ExpectForEach<EmployeeShort, Employee, Employment, Entry, Master>();
  ExpectForEach<Tax, Insurance, DismissalTP, DisabilityTP, EEDeuvDskkRoot, EEDeuvDskkTP,
                EEPensionSchemeTP, ZVKTP, VBLUTP, EEAccidentInsuranceFund>();
  ExpectForEach<BankDetailsTP, ScalePaymentTP, EEAbsentTimeTP>();
}

}  // namespace
}  // namespace ostrel
