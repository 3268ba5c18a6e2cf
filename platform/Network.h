#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace fl {

// One TCP client connection; closed when destroyed.
class Connection {
 public:
  virtual ~Connection() = default;
  // Sends all bytes in one send; false on error.
  virtual bool Send(std::string_view bytes) = 0;
  // Without waiting: whether data is waiting to be received. A closed connection
  // or an error without waiting data counts as no data.
  virtual bool HasData() = 0;
  // Up to size bytes; 0 when the peer closed the connection, -1 on error.
  virtual long Receive(char* buffer, std::size_t size) = 0;
};

class Network {
 public:
  virtual ~Network() = default;
  // Readies the network layer; later calls do nothing.
  virtual void Start() = 0;
  // host: dotted IPv4 address or a name (its first IPv4 address). Null on failure.
  virtual std::unique_ptr<Connection> Connect(const std::string& host, int port) = 0;
};

}  // namespace fl
