// AllCallbackImpl: base of every callback object.
#ifndef OSTREL_BASE_ALL_CALLBACK_IMPL_H_
#define OSTREL_BASE_ALL_CALLBACK_IMPL_H_

#include "serverbase.hh"
#include "vexception.h"

namespace ostrel {
namespace base {

using DomainExceptionStruct = com::ostrel::serverbase::applicationexception::DomainExceptionStruct;

// Common part of the objects that receive streamed results. finished() is
// the hook a stream's end runs through; it counts how often it ran, which is
// what tests of stream ends look at.
class AllCallbackImpl {
 public:
  AllCallbackImpl() = default;
  virtual ~AllCallbackImpl() = default;
  AllCallbackImpl(AllCallbackImpl const&) = delete;
  AllCallbackImpl& operator=(AllCallbackImpl const&) = delete;

  virtual void finished() { ++finish_count_; }

  // A new exception object (owned by the caller) for a domain failure that
  // a stream reported.
  static VException* ConvertDomainExceptionStruct(DomainExceptionStruct const& e);

 protected:
  unsigned int FinishCount() const { return finish_count_; }

 private:
  unsigned int finish_count_ = 0;
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_ALL_CALLBACK_IMPL_H_
