// BO<Struct>: a business object over one IDL struct.
#ifndef OSTREL_BASE_BO_H_
#define OSTREL_BASE_BO_H_

#include <memory>

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

  BO() : value_(DefaultValue()), saved_(value_) {}
  explicit BO(Struct const& s) : value_(std::make_shared<Struct>(s)), saved_(DefaultValue()) {}
  BO(BO const& o)
      : BoInterface(o), value_(std::make_shared<Struct>(o.ToIdl())), saved_(DefaultValue()) {}
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
  virtual Struct ToIdl() const { return *value_; }

  // False for a null pointer; otherwise whether both object ids are equal.
  virtual bool IsEqual(BO const& o) const {
    return !IsNullObject(&o) && o.GetObjectID() == GetObjectID();
  }

  // Undoes every change since the last MakeBoCopy().
  virtual void ResetBo() { value_ = saved_; }

 protected:
  void MakeBoCopy() override { saved_ = value_; }

  // Write access. A struct shared with the saved value or with another
  // object is copied first, so a write never shows anywhere else. A
  // reference taken here is invalid after MakeBoCopy(), ResetBo() or an
  // assignment to this object.
  Struct& Value() {
    if (value_.use_count() > 1) value_ = std::make_shared<Struct>(*value_);
    return *value_;
  }
  Struct const& Value() const { return *value_; }
  Struct const& Saved() const { return *saved_; }
  // Replaces the current value without first copying the old one.
  void SetValue(Struct const& s) { value_ = std::make_shared<Struct>(s); }

 private:
  // One value-initialised struct per type, shared by every object that has
  // not written yet: its numbers and flags are zero, not indeterminate.
  static std::shared_ptr<Struct> const& DefaultValue() {
    static std::shared_ptr<Struct> const empty = std::make_shared<Struct>();
    return empty;
  }

  // The current and the saved value share one immutable struct until the
  // current one is written, so a record read from the server and not
  // changed costs one copy of its struct, not two.
  std::shared_ptr<Struct> value_;
  std::shared_ptr<Struct> saved_;
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_BO_H_
