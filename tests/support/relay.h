// A TCP relay on 127.0.0.1 between a client and a server that keeps every
// byte it passes on, in both directions, so that tests can look at what
// travels on the wire.
#ifndef OSTREL_TESTS_SUPPORT_RELAY_H_
#define OSTREL_TESTS_SUPPORT_RELAY_H_

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace ostrel {
namespace testing {

class Relay {
 public:
  // Listens on 127.0.0.1 (a free port) and relays to target_host:target_port.
  Relay(std::string const& target_host, int target_port)
      : target_host_(target_host), target_port_(target_port) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
      throw std::runtime_error("relay cannot listen");
    }
    port_ = ntohs(a.sin_port);
    accept_ = std::thread([this] { Accept(); });
  }

  ~Relay() {
    stop_ = true;
    accept_.join();
    for (auto& t : pumps_) t.join();
    close(listener_);
  }

  Relay(Relay const&) = delete;
  Relay& operator=(Relay const&) = delete;

  int Port() const { return port_; }

  // Every byte relayed so far, both directions in the order they came.
  std::string Bytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
  }

  bool Contains(std::string const& needle) const {
    return Bytes().find(needle) != std::string::npos;
  }

 private:
  void Accept() {
    while (!stop_) {
      pollfd p{listener_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      int const client = accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
      int const server = socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_port = htons(static_cast<uint16_t>(target_port_));
      inet_pton(AF_INET, target_host_.c_str(), &a.sin_addr);
      if (connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(client);
        close(server);
        continue;
      }
      pumps_.emplace_back([this, client, server] { Pump(client, server); });
    }
  }

  // Copies both ways until either side closes.
  void Pump(int a, int b) {
    char buf[65536];
    bool open = true;
    while (open && !stop_) {
      pollfd p[2] = {{a, POLLIN, 0}, {b, POLLIN, 0}};
      if (poll(p, 2, 50) <= 0) continue;
      for (int i = 0; i < 2 && open; ++i) {
        if (!(p[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        ssize_t const n = read(p[i].fd, buf, sizeof buf);
        if (n <= 0) {
          open = false;
          break;
        }
        {
          std::lock_guard<std::mutex> lock(mutex_);
          bytes_.append(buf, static_cast<std::size_t>(n));
        }
        int const to = i == 0 ? b : a;
        for (ssize_t sent = 0; sent < n;) {
          ssize_t const w = write(to, buf + sent, static_cast<std::size_t>(n - sent));
          if (w <= 0) {
            open = false;
            break;
          }
          sent += w;
        }
      }
    }
    close(a);
    close(b);
  }

  std::string const target_host_;
  int const target_port_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::string bytes_;
  std::thread accept_;
  // Written only by the accepting thread, which is joined first.
  std::vector<std::thread> pumps_;
};

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_SUPPORT_RELAY_H_
