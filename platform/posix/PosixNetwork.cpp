#include "platform/posix/PosixNetwork.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace fl {
namespace {

class PosixConnection : public Connection {
 public:
  explicit PosixConnection(int socket) : socket_(socket) {}
  ~PosixConnection() override { close(socket_); }
  PosixConnection(const PosixConnection&) = delete;
  PosixConnection& operator=(const PosixConnection&) = delete;

  bool Send(std::string_view bytes) override {
    while (!bytes.empty()) {
      ssize_t sent = send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }

  // True whenever a Receive would return at once: data is waiting, the peer has
  // closed (Receive gives 0) or the connection failed (Receive gives -1). That
  // way a reader that polls before every receive sees the end of the stream
  // instead of waiting out its time limit.
  bool HasData() override {
    pollfd entry{socket_, POLLIN, 0};
    if (poll(&entry, 1, 0) <= 0) return false;
    return (entry.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
  }

  long Receive(char* buffer, std::size_t size) override {
    for (;;) {
      ssize_t count = recv(socket_, buffer, size, 0);
      if (count >= 0) return static_cast<long>(count);
      if (errno != EINTR) return -1;
    }
  }

 private:
  int socket_;
};

// A connect interrupted by a signal goes on in the background; wait for its end.
bool FinishInterruptedConnect(int socket) {
  pollfd entry{socket, POLLOUT, 0};
  int ready;
  do {
    ready = poll(&entry, 1, -1);
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) return false;
  int error = 0;
  socklen_t length = sizeof error;
  return getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

}  // namespace

void PosixNetwork::Start() {}

std::unique_ptr<Connection> PosixNetwork::Connect(const std::string& host, int port) {
  if (host.empty() || port < 1 || port > 65535) return nullptr;

  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return nullptr;
  sockaddr_in address{};
  bool usable = found->ai_addr != nullptr && found->ai_addrlen >= sizeof address;
  if (usable) std::memcpy(&address, found->ai_addr, sizeof address);
  freeaddrinfo(found);
  if (!usable) return nullptr;
  address.sin_port = htons(static_cast<std::uint16_t>(port));

  int socket_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_fd < 0) return nullptr;
  if (connect(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
      !(errno == EINTR && FinishInterruptedConnect(socket_fd))) {
    close(socket_fd);
    return nullptr;
  }
  return std::make_unique<PosixConnection>(socket_fd);
}

}  // namespace fl
