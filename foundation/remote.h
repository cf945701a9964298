// Remote<Service>: how every business-object operation reaches its servant.
#ifndef OSTREL_FOUNDATION_REMOTE_H_
#define OSTREL_FOUNDATION_REMOTE_H_

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "ostrel.h"
#include "serverbase.hh"

namespace ostrel {

using AccessToken_ptr = com::ostrel::serverbase::access::AccessToken_ptr;

// The owning holder of a value an operation returns: `_var` for structs,
// sequences and strings, the value itself for booleans, numbers and void.
template <class T>
struct Owned {
  using type = T;
};
template <class T>
struct Owned<T*> {
  using type = typename T::_var_type;
};
template <>
struct Owned<char*> {
  using type = CORBA::String_var;
};
template <>
struct Owned<CORBA::WChar*> {
  using type = CORBA::WString_var;
};

// The wire sequence of a vector of business objects or filters, element i
// being (*v)[i]->ToIdl(), in vector order. A null vector gives an empty
// sequence.
template <class Seq, class T>
Seq ToIdlSeq(std::vector<T*> const* v) {
  Seq seq;
  if (v == nullptr) return seq;
  seq.length(static_cast<CORBA::ULong>(v->size()));
  for (CORBA::ULong i = 0; i < seq.length(); ++i) seq[i] = (*v)[i]->ToIdl();
  return seq;
}

// Appends one new R per element of `seq`, in sequence order.
template <class R, class Seq>
void AppendAll(std::vector<R*>* out, Seq const& seq) {
  out->reserve(out->size() + seq.length());
  for (CORBA::ULong i = 0; i < seq.length(); ++i) out->push_back(new R(seq[i]));
}

// Deletes a result vector and every element it holds.
template <class R>
void DeleteAll(std::vector<R*>* v) {
  if (v == nullptr) return;
  for (R* r : *v) delete r;
  delete v;
}

// A Service names one servant of the application server:
//
//   struct EEAbsentTimeService {
//     using Servant = com::...::absenttime::EEAbsentTimeServant;
//     static constexpr char kName[] = "com.ostrel....EEAbsentTimeServantImpl";
//   };
//
// Every operation runs the same steps: look the servant up by name, narrow it,
// convert the arguments, take the user's token immediately before the call,
// call, convert the result. Any CORBA::Exception on the way is handed to
// Ostrel::ConvertException, so callers only ever see base::VException.
//
// `op` names the IDL operation: usually the stub's member function
// (`&Remote<S>::Stub::getAllTaxHistory`), called as (servant->*op)(token,
// args...); a lambda (servant, token, args...) where the arguments need more
// than passing on.
template <class Service>
class Remote {
 public:
  using Servant = typename Service::Servant;
  using Servant_var = typename Servant::_var_type;
  // The class of the typed proxy, whose member functions are the operations.
  using Stub = std::remove_pointer_t<typename Servant::_ptr_type>;

  // Servant look-up and narrowing. A reference that does not narrow raises
  // OBJECT_NOT_EXIST, like a servant that is not there.
  static Servant_var Access() {
    base::Ostrel* ostrel = base::Ostrel::Instance();
    CORBA::Object_var obj = ostrel->GetServant(Service::kName);
    Servant_var servant = Servant::_narrow(obj.in());
    if (CORBA::is_nil(servant.in())) throw CORBA::OBJECT_NOT_EXIST(0, CORBA::COMPLETED_NO);
    // Narrowing a plain reference builds a new typed proxy each time; once
    // the cache holds the typed one, narrowing it is a local cast.
    CORBA::Object_ptr typed = servant.in();
    if (typed != obj.in()) ostrel->KeepServant(Service::kName, obj.in(), typed);
    return servant;
  }

  // The logged-in user's token, borrowed for the call being made.
  static AccessToken_ptr Token() { return base::Ostrel::Instance()->GetAccessToken().in(); }

  // Calls op(servant, token, args...) and returns its result in its owning
  // holder.
  template <class Op, class... A>
  static auto Call(Op op, A const&... args) {
    using R = std::invoke_result_t<Op, typename Servant::_ptr_type, AccessToken_ptr, A const&...>;
    try {
      Servant_var servant = Access();
      if constexpr (std::is_void_v<R>) {
        std::invoke(op, servant.in(), Token(), args...);
      } else {
        return typename Owned<R>::type(std::invoke(op, servant.in(), Token(), args...));
      }
    } catch (CORBA::Exception& e) {
      base::Ostrel::Instance()->ConvertException(e);
    }
  }

  // A new vector (the caller owns it and its elements) with one new R per
  // element of the sequence that op returns. The vector exists before the
  // call; on failure it is freed, not returned.
  template <class R, class Op, class... A>
  static std::vector<R*>* List(Op op, A const&... args) {
    return ListWith<R>([] {}, op, args...);
  }

  // As List; on failure `before()` runs before the failure is converted
  // (list forms of Commit and Delete reset their object there).
  template <class R, class Before, class Op, class... A>
  static std::vector<R*>* ListWith(Before before, Op op, A const&... args) {
    std::unique_ptr<std::vector<R*>, void (*)(std::vector<R*>*)> result(new std::vector<R*>,
                                                                        &DeleteAll<R>);
    try {
      Servant_var servant = Access();
      using Seq =
          std::invoke_result_t<Op, typename Servant::_ptr_type, AccessToken_ptr, A const&...>;
      auto seq = typename Owned<Seq>::type(std::invoke(op, servant.in(), Token(), args...));
      AppendAll(result.get(), seq.in());
    } catch (CORBA::Exception& e) {
      before();
      base::Ostrel::Instance()->ConvertException(e);
    }
    return result.release();
  }

  // An R built from the struct that op returns.
  template <class R, class Op, class... A>
  static R Fetch(Op op, A const&... args) {
    auto result = Call(op, args...);
    return R(result.in());
  }

  // Starts a stream: creates the callback object CB(ctor_args...),
  // activates it and calls op(servant, token, args..., callback reference).
  // Returns the callback object, which the caller owns. The object is made
  // inside the part that cleans up: whatever fails, it is deleted before the
  // failure is converted.
  template <class CB, class Op, class... A>
  static CB* Stream(unsigned int max_hits, Op op, A const&... args) {
    return StreamTo<CB>([max_hits] { return new CB(max_hits); }, op, args...);
  }
  // A report stream: its limit comes from the settings (CB's default
  // constructor).
  template <class CB, class Op, class... A>
  static CB* StreamReport(Op op, A const&... args) {
    return StreamTo<CB>([] { return new CB(); }, op, args...);
  }

 private:
  template <class CB, class Make, class Op, class... A>
  static CB* StreamTo(Make make, Op op, A const&... args) {
    std::unique_ptr<CB> cb;
    try {
      cb.reset(make());
      Servant_var servant = Access();
      auto ref = cb->_this();
      CORBA::Object_var holder = ref;  // releases our reference after the call
      std::invoke(op, servant.in(), Token(), args..., ref);
    } catch (CORBA::Exception& e) {
      cb.reset();
      base::Ostrel::Instance()->ConvertException(e);
    }
    return cb.release();
  }
};

}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_REMOTE_H_
