#include "tests/update/LoopbackServers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace fl::test {
namespace {

using namespace std::chrono_literals;

// A TCP socket bound to 127.0.0.1 and a free port; -1 on failure.
int BindLoopback(int& port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    return -1;
  }
  port = ntohs(address.sin_port);
  return fd;
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

}  // namespace

ScriptedServer::ScriptedServer(std::vector<ServerStep> script, Afterwards afterwards) {
  listener_ = BindLoopback(port_);
  if (listener_ >= 0 && listen(listener_, 4) != 0) {
    close(listener_);
    listener_ = -1;
    port_ = 0;
  }
  if (listener_ >= 0) thread_ = std::thread(&ScriptedServer::Serve, this, std::move(script), afterwards);
}

ScriptedServer::~ScriptedServer() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  stop_signal_.notify_all();
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0) close(listener_);
}

std::string ScriptedServer::request() {
  std::lock_guard<std::mutex> lock(mutex_);
  return request_;
}

bool ScriptedServer::Stopping() {
  std::lock_guard<std::mutex> lock(mutex_);
  return stop_;
}

void ScriptedServer::Serve(std::vector<ServerStep> script, Afterwards afterwards) {
  int client = -1;
  while (client < 0 && !Stopping()) {
    pollfd entry{listener_, POLLIN, 0};
    if (poll(&entry, 1, 50) > 0) client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
  }
  if (client < 0) return;

  std::string received;
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (received.find("\r\n\r\n") == std::string::npos && !Stopping() &&
         std::chrono::steady_clock::now() < deadline) {
    pollfd entry{client, POLLIN, 0};
    if (poll(&entry, 1, 50) <= 0) continue;
    char chunk[1024];
    ssize_t count = recv(client, chunk, sizeof chunk, 0);
    if (count <= 0) break;
    received.append(chunk, static_cast<std::size_t>(count));
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    request_ = received;
  }

  std::unique_lock<std::mutex> lock(mutex_);
  for (const ServerStep& step : script) {
    lock.unlock();
    bool sent = SendAll(client, step.bytes);
    lock.lock();
    if (!sent || stop_signal_.wait_for(lock, std::chrono::milliseconds(step.pauseMs), [this] { return stop_; })) break;
  }
  if (afterwards == Afterwards::Hold) stop_signal_.wait(lock, [this] { return stop_; });
  lock.unlock();
  close(client);
}

RefusingPort::RefusingPort() { socket_ = BindLoopback(port_); }

RefusingPort::~RefusingPort() {
  if (socket_ >= 0) close(socket_);
}

PythonHttpServer::PythonHttpServer(const std::string& folder) {
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string directory = folder;
  char* arguments[] = {const_cast<char*>("python3"), const_cast<char*>("-u"),        const_cast<char*>("-m"),
                       const_cast<char*>("http.server"), const_cast<char*>("0"),      const_cast<char*>("--bind"),
                       const_cast<char*>("127.0.0.1"), const_cast<char*>("--directory"), directory.data(),
                       nullptr};
  if (posix_spawnp(&pid_, "python3", &actions, nullptr, arguments, environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);

  // The server prints "Serving HTTP on 127.0.0.1 port <n> ..." once it listens.
  // Its output stays open until the end: a write into a closed pipe would end it.
  output_ = output[0];
  std::string printed;
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
    std::size_t mark = printed.find(" port ");
    if (mark != std::string::npos && printed.find('\n', mark) != std::string::npos) {
      port_ = std::atoi(printed.c_str() + mark + 6);
      break;
    }
    pollfd entry{output_, POLLIN, 0};
    if (poll(&entry, 1, 100) <= 0) continue;
    char chunk[256];
    ssize_t count = read(output_, chunk, sizeof chunk);
    if (count <= 0) break;
    printed.append(chunk, static_cast<std::size_t>(count));
  }
}

PythonHttpServer::~PythonHttpServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  if (output_ >= 0) close(output_);
}

}  // namespace fl::test
