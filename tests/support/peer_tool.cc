// A second process for the end-to-end tests, configured like any client by
// the environment:
//
//   peer_tool call-finished IOR   calls finished() on a callback reference,
//                                 as another process on the machine might;
//                                 prints "called" or "refused: <why>"
//   peer_tool login               logs in and lists the test records, then
//                                 returns from main without Shutdown();
//                                 prints "listed <n>"
//
// Exits 0 when it could do what it was asked to try, 1 when the runtime
// would not start.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "ostrel.h"
#include "testrecord.h"

namespace {

int CallFinished(char const* ior) {
  try {
    CORBA::Object_var obj = ostrel::base::Ostrel::Instance()->Orb()->string_to_object(ior);
    com::ostrel::serverbase::query::AllCallback_var cb =
        com::ostrel::serverbase::query::AllCallback::_unchecked_narrow(obj);
    cb->finished();
    std::printf("called\n");
    std::fflush(stdout);
  } catch (CORBA::Exception const& e) {
    std::printf("refused: %s\n", e._name());
    std::fflush(stdout);
  }
  return 0;
}

int Login() {
  ostrel::base::Ostrel::Instance()->Login();
  std::vector<ostrel::TestRecordFilter*> none;
  std::unique_ptr<std::vector<ostrel::TestRecord*>> list(
      ostrel::TestRecord::GetActiveTestRecords(&none, ostrel::base::Sortierung()));
  std::printf("listed %zu\n", list->size());
  for (auto* r : *list) delete r;
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::strcmp(argv[1], "call-finished") == 0) return CallFinished(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "login") == 0) return Login();
  } catch (ostrel::base::VException const& e) {
    std::printf("failed: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr, "usage: peer_tool call-finished IOR | login\n");
  return 2;
}
