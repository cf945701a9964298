#include "all_callback_impl.h"

#include "string_converter.h"

namespace ostrel {
namespace base {

VException* AllCallbackImpl::ConvertDomainExceptionStruct(DomainExceptionStruct const& e) {
  return new VException(StringConverter::JoinSurrogates(e.message.in()), e.domainClass.in(),
                        e.memberName.in(), VException::kCallback, true);
}

}  // namespace base
}  // namespace ostrel
