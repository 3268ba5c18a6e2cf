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
  // Without waiting: whether a Receive would return at once, that is data is
  // waiting, or the peer has closed (Receive then gives 0), or the connection
  // failed (Receive then gives -1). A reader that polls before each receive thus
  // sees the end of the stream at once.
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
