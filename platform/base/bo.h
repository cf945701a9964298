// BO<Struct>: a business object over one IDL struct.
#ifndef OSTREL_BASE_BO_H_
#define OSTREL_BASE_BO_H_

#include "bo_interface.h"

namespace ostrel {
namespace base {

// Holds the current value of one wire struct, which every accessor reads and
// writes, and a saved value taken by MakeBoCopy() that ResetBo() returns to.
//
// Copying takes the other object's current value (through its virtual
// ToIdl()) and identity, but not its saved value; assignment takes all three.
// IsEqual() compares object ids only, so two new objects are equal.
template <class Struct>
class BO : public BoInterface {
 public:
  using StructType = Struct;

  BO() = default;
  explicit BO(Struct const& s) : value_(s) {}
  BO(BO const& o) : BoInterface(o), value_(o.ToIdl()) {}
  BO& operator=(BO const& o) {
    if (this != &o) {
      BoInterface::operator=(o);
      value_ = o.value_;
      saved_ = o.saved_;
    }
    return *this;
  }
  ~BO() override = default;

  // A copy of the current value.
  virtual Struct ToIdl() const { return value_; }

  // False for a null pointer; otherwise whether both object ids are equal.
  virtual bool IsEqual(BO const& o) const {
    return !IsNullObject(&o) && o.GetObjectID() == GetObjectID();
  }

  // Undoes every change since the last MakeBoCopy().
  virtual void ResetBo() { value_ = saved_; }

 protected:
  // Kept out of line of the comparison so that a reference made from a null
  // pointer is still caught.
  static bool IsNullObject(void const* p) { return p == nullptr; }

  void MakeBoCopy() override { saved_ = value_; }

  Struct& Value() { return value_; }
  Struct const& Value() const { return value_; }
  Struct const& Saved() const { return saved_; }

 private:
  // Value-initialised so that the numeric members of a saved value nobody
  // has taken yet are zero rather than indeterminate.
  Struct value_{};
  Struct saved_{};
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_BO_H_
