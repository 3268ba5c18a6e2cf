#pragma once
#include <memory>
#include <string>

#include "platform/Network.h"

namespace fl {

// TCP client connections over POSIX sockets (IPv4).
class PosixNetwork : public Network {
 public:
  // Sockets need no set-up here. Sends pass MSG_NOSIGNAL, so a peer that has
  // gone away gives an error instead of SIGPIPE and nothing process-wide changes.
  void Start() override;
  // Resolves the host to its first IPv4 address and connects, blocking for as
  // long as the system's own connect time-out. Ports outside 1..65535 fail.
  std::unique_ptr<Connection> Connect(const std::string& host, int port) override;
};

}  // namespace fl
