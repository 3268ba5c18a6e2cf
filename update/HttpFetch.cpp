#include "update/HttpFetch.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/Clock.h"
#include "platform/Network.h"
#include "platform/Platform.h"
#include "update/HttpMessage.h"

namespace fl {
namespace {

constexpr std::size_t kResponseLimit = 2048;
constexpr int kPollMilliseconds = 20;
// Measured from the moment the request was sent, for the whole response: a server
// that answers part of it and then stalls is given up on like a silent one.
constexpr std::uint64_t kWaitMilliseconds = 10000;

bool networkStarted = false;

// Collects up to kResponseLimit bytes, joined in arrival order. Ends when the
// peer closes, on an error, when the buffer is full, or when more than
// kWaitMilliseconds have passed since start.
std::size_t ReceiveResponse(Connection& connection, Clock& clock, std::array<char, kResponseLimit>& buffer) {
  std::size_t received = 0;
  const std::uint64_t start = clock.Milliseconds();
  for (;;) {
    if (connection.HasData()) {
      long count = connection.Receive(buffer.data() + received, buffer.size() - received);
      if (count <= 0) break;
      received += static_cast<std::size_t>(count);
      if (received >= buffer.size()) break;
    } else {
      clock.Sleep(kPollMilliseconds);
    }
    if (clock.Milliseconds() - start > kWaitMilliseconds) break;
  }
  return received;
}

}  // namespace

void StartNetwork() {
  if (networkStarted || Sys().network == nullptr) return;
  Sys().network->Start();
  networkStarted = true;
}

std::string FetchVersionText(const std::string& url, const std::string& userAgent) {
  if (url.empty() || Sys().network == nullptr || Sys().clock == nullptr) return {};

  UrlParts parts = SplitUrl(url);
  std::unique_ptr<Connection> connection = Sys().network->Connect(parts.host, parts.port);
  if (!connection) return {};

  // Whether the request went out shows in the answer, or in its absence.
  connection->Send(BuildRequest(parts, userAgent));

  std::array<char, kResponseLimit> buffer{};
  std::size_t received = ReceiveResponse(*connection, *Sys().clock, buffer);
  connection.reset();
  return ResponseVersionText(std::string_view(buffer.data(), received));
}

}  // namespace fl
