// How record kinds plug into the reference server without touching its core.
//
// In the servant's source file (added to reference_server with
// target_sources, so that the registration is linked in):
//
//   namespace {
//   ostrel::server::RegisterServant<EEAbsentTimeServantImpl> registration(
//       "com.ostrel.personnel.servantimpl.employee.absenttime.EEAbsentTimeServantImpl");
//   }
//
// where EEAbsentTimeServantImpl has a constructor taking ostrel::server::Core&.
// Demo data: ostrel::server::RegisterSeeder seeder(10, [](Core& core) {...});
// seeders run in ascending order at start and on every control reset().
#ifndef OSTREL_SERVER_REGISTRY_H_
#define OSTREL_SERVER_REGISTRY_H_

#include <functional>
#include <string>
#include <vector>

#include "new_servant.h"
#include "serverbase.hh"

namespace ostrel::server {

class Core;

// Returns a new servant with one reference, which the server hands to the POA.
using ServantFactory = std::function<PortableServer::Servant(Core&)>;
using Seeder = std::function<void(Core&)>;

struct ServantEntry {
  std::string name;  // object key, reachable as corbaloc:iiop:1.2@host:port/<name>
  ServantFactory make;
};

class Registry {
 public:
  static void AddServant(std::string name, ServantFactory make);
  static void AddSeeder(int order, Seeder seed);
  static std::vector<ServantEntry> Servants();
  // In ascending order, equal orders in registration order.
  static std::vector<Seeder> Seeders();
};

struct ServantRegistration {
  ServantRegistration(const char* name, ServantFactory make) {
    Registry::AddServant(name, std::move(make));
  }
};

template <class Impl>
struct RegisterServant : ServantRegistration {
  explicit RegisterServant(const char* name)
      : ServantRegistration(
            name, [](Core& core) -> PortableServer::Servant { return NewServant<Impl>(core); }) {}
};

struct RegisterSeeder {
  RegisterSeeder(int order, Seeder seed) { Registry::AddSeeder(order, std::move(seed)); }
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_REGISTRY_H_
