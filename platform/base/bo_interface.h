// BoInterface: the identity every business object carries.
#ifndef OSTREL_BASE_BO_INTERFACE_H_
#define OSTREL_BASE_BO_INTERFACE_H_

#include <string>

#include "serverbase.hh"
#include "vdatetime.h"
#include "vstring.h"

namespace ostrel {
namespace base {

using ObjectStruct = com::ostrel::serverbase::query::ObjectStruct;

// Holds the object identity (object id, version, time stamp, last user id)
// of a stored object. An object whose id is empty has never been stored and
// IsNew() is true for it.
class BoInterface {
 public:
  BoInterface() = default;
  virtual ~BoInterface() = default;
  BoInterface(BoInterface const&) = default;
  BoInterface& operator=(BoInterface const&) = default;

  virtual std::string GetObjectID() const;
  virtual VString GetLastChangedUserID() const;
  virtual VDateTime GetLastChangedDate() const;
  virtual bool IsNew() const;
  virtual ObjectStruct GetObjectStruct();
  virtual void SetObjectStruct(ObjectStruct const& identity);

 protected:
  // Whether a reference was made from a null pointer. Defined in another
  // translation unit: inline, the optimiser may assume the address of a
  // reference is never null and drop the check.
  static bool IsNullObject(void const* p);

  // Takes the saved copy of the value; defined by BO<Struct>.
  virtual void MakeBoCopy() = 0;

  ObjectStruct const& Identity() const { return identity_; }

 private:
  ObjectStruct identity_{};
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_BO_INTERFACE_H_
