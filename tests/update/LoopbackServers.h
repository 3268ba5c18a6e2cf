#pragma once
// Servers on 127.0.0.1 for the fetch tests: a scripted one that answers one
// connection with prepared bytes, a port that refuses connections, and Python's
// own HTTP file server.
#include <sys/types.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fl::test {

struct ServerStep {
  std::string bytes;  // sent in one go
  int pauseMs = 0;    // then a pause before the next step
};

// Accepts one connection, reads the request up to its empty line, plays the
// script and then closes the connection, or holds it open until destroyed.
class ScriptedServer {
 public:
  enum class Afterwards { Close, Hold };
  explicit ScriptedServer(std::vector<ServerStep> script, Afterwards afterwards = Afterwards::Close);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int port() const { return port_; }
  // The request as received (empty until it has arrived).
  std::string request();

 private:
  void Serve(std::vector<ServerStep> script, Afterwards afterwards);
  bool Stopping();

  int listener_ = -1;
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable stop_signal_;
  bool stop_ = false;
  std::string request_;
  std::thread thread_;
};

// A port on 127.0.0.1 that is bound but not listening: connecting is refused.
class RefusingPort {
 public:
  RefusingPort();
  ~RefusingPort();
  RefusingPort(const RefusingPort&) = delete;
  RefusingPort& operator=(const RefusingPort&) = delete;
  int port() const { return port_; }

 private:
  int socket_ = -1;
  int port_ = 0;
};

// "python3 -m http.server" on 127.0.0.1 and a port of the system's choosing,
// serving a folder. port() is 0 when it did not come up.
class PythonHttpServer {
 public:
  explicit PythonHttpServer(const std::string& folder);
  ~PythonHttpServer();
  PythonHttpServer(const PythonHttpServer&) = delete;
  PythonHttpServer& operator=(const PythonHttpServer&) = delete;
  int port() const { return port_; }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  int port_ = 0;
};

}  // namespace fl::test
