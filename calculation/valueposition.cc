#include "calculation/valueposition.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<ValuePositionService>;
using Stub = Remote_::Stub;
using valueposition::ValuePositionStruct;

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

std::vector<EEValuePosition*>* EEValuePosition::GetSummarisedValuePositions(std::string oidEmployee,
                                                                            base::VDate from,
                                                                            base::VDate until) {
  return Remote_::List<EEValuePosition>(&Stub::getSummarisedValuePositions, oidEmployee.c_str(),
                                        from.c_str(), until.c_str());
}

std::vector<EEValuePosition*>* EEValuePosition::GetCausersOfValuePosition(EEValuePosition position,
                                                                          base::VDate from,
                                                                          base::VDate until) {
  return Remote_::List<EEValuePosition>(&Stub::getCausersOfValuePosition, position.ToIdl(),
                                        from.c_str(), until.c_str());
}

std::vector<EEValuePosition*>* EEValuePosition::GetValuePositionsEE(std::string oidEmployee,
                                                                    base::VDate from,
                                                                    base::VDate until) {
  return Remote_::List<EEValuePosition>(&Stub::getValuePositionsEE, oidEmployee.c_str(),
                                        from.c_str(), until.c_str());
}

std::vector<EEValuePosition*>* EEValuePosition::GetValuePositionsER(std::string oidEmployee,
                                                                    base::VDate from,
                                                                    base::VDate until) {
  return Remote_::List<EEValuePosition>(&Stub::getValuePositionsER, oidEmployee.c_str(),
                                        from.c_str(), until.c_str());
}

std::vector<EEValuePosition*>* EEValuePosition::GetCausersOfValuePositionER(
    EEValuePosition position, base::VDate from, base::VDate until) {
  return Remote_::List<EEValuePosition>(&Stub::getCausersOfValuePositionER, position.ToIdl(),
                                        from.c_str(), until.c_str());
}

std::vector<EEValuePosition*>* EEValuePosition::GetUserValuePositions(std::string oidEmployee,
                                                                      base::VDate from,
                                                                      base::VDate until) {
  return Remote_::List<EEValuePosition>(&Stub::getUserValuePositions, oidEmployee.c_str(),
                                        from.c_str(), until.c_str());
}

std::vector<EEValuePosition*>* EEValuePosition::GetConsequencesOfValuePosition(
    EEValuePosition position) {
  return Remote_::List<EEValuePosition>(&Stub::getConsequencesOfValuePosition, position.ToIdl());
}

}  // namespace ostrel
