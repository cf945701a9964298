#include "interval.h"

namespace ostrel {
namespace personnel {

Interval::Interval() : Interval(true) {}

Interval::Interval(bool every_month) {
  // The wire struct leaves booleans and longs uninitialised.
  StructType& s = Value();
  s.january = s.february = s.march = s.april = s.may = s.june = every_month;
  s.july = s.august = s.september = s.october = s.november = s.december = every_month;
  s.count = 1;
  MakeBoCopy();
}

Interval::Interval(StructType const& s) : BO(s) { MakeBoCopy(); }

Interval::Interval(Interval const& o) : BO(o) { MakeBoCopy(); }

bool Interval::GetJanuary() const { return Value().january; }
bool Interval::GetFebruary() const { return Value().february; }
bool Interval::GetMarch() const { return Value().march; }
bool Interval::GetApril() const { return Value().april; }
bool Interval::GetMay() const { return Value().may; }
bool Interval::GetJune() const { return Value().june; }
bool Interval::GetJuly() const { return Value().july; }
bool Interval::GetAugust() const { return Value().august; }
bool Interval::GetSeptember() const { return Value().september; }
bool Interval::GetOctober() const { return Value().october; }
bool Interval::GetNovember() const { return Value().november; }
bool Interval::GetDecember() const { return Value().december; }
long Interval::GetCount() const { return Value().count; }

void Interval::SetJanuary(bool v) { Value().january = v; }
void Interval::SetFebruary(bool v) { Value().february = v; }
void Interval::SetMarch(bool v) { Value().march = v; }
void Interval::SetApril(bool v) { Value().april = v; }
void Interval::SetMay(bool v) { Value().may = v; }
void Interval::SetJune(bool v) { Value().june = v; }
void Interval::SetJuly(bool v) { Value().july = v; }
void Interval::SetAugust(bool v) { Value().august = v; }
void Interval::SetSeptember(bool v) { Value().september = v; }
void Interval::SetOctober(bool v) { Value().october = v; }
void Interval::SetNovember(bool v) { Value().november = v; }
void Interval::SetDecember(bool v) { Value().december = v; }
void Interval::SetCount(long v) { Value().count = v; }

}  // namespace personnel
}  // namespace ostrel
