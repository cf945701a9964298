#include "registry.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace ostrel::server {
namespace {

struct Entries {
  std::mutex mu;
  std::vector<ServantEntry> servants;
  std::vector<std::pair<int, Seeder>> seeders;
};

// Built on first use: registrations run during static initialisation.
Entries& Get() {
  static Entries entries;
  return entries;
}

}  // namespace

void Registry::AddServant(std::string name, ServantFactory make) {
  std::lock_guard<std::mutex> lock(Get().mu);
  Get().servants.push_back(ServantEntry{std::move(name), std::move(make)});
}

void Registry::AddSeeder(int order, Seeder seed) {
  std::lock_guard<std::mutex> lock(Get().mu);
  Get().seeders.emplace_back(order, std::move(seed));
}

std::vector<ServantEntry> Registry::Servants() {
  std::lock_guard<std::mutex> lock(Get().mu);
  return Get().servants;
}

std::vector<Seeder> Registry::Seeders() {
  std::vector<std::pair<int, Seeder>> seeders;
  {
    std::lock_guard<std::mutex> lock(Get().mu);
    seeders = Get().seeders;
  }
  std::stable_sort(seeders.begin(), seeders.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Seeder> out;
  for (auto& s : seeders) out.push_back(std::move(s.second));
  return out;
}

}  // namespace ostrel::server
