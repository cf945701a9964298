#include "all_callback_impl.h"

#include "string_converter.h"

namespace ostrel {
namespace base {

VException* AllCallbackImpl::ConvertDomainExceptionStruct(DomainExceptionStruct const& e) {
  return new VException(StringConverter::JoinSurrogates(e.message.in()),
                        StringConverter::JoinSurrogates(e.domainClass.in()),
                        StringConverter::JoinSurrogates(e.memberName.in()), VException::kCallback,
                        true);
}

}  // namespace base
}  // namespace ostrel
