#include "update/HttpFetch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixNetwork.h"
#include "tests/update/LoopbackServers.h"

namespace fl {
namespace {

using test::RefusingPort;
using test::ScriptedServer;
using test::ServerStep;
using Clock = std::chrono::steady_clock;

constexpr const char* kUserAgent = "Frostlight Screensaver 2.0";
// Far above a loopback exchange, far below the ten-second wait: a fetch that
// ought to end at once but waits out the limit fails this.
constexpr long kPromptMs = 5000;

long MillisecondsSince(Clock::time_point start) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

std::string UrlOf(int port) { return "http://127.0.0.1:" + std::to_string(port) + "/files/frostlight.dat"; }

class HttpFetchTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = Sys();
    Sys().network = &network_;
    Sys().clock = &clock_;
    StartNetwork();
  }
  void TearDown() override { Sys() = saved_; }

 private:
  Platform saved_;
  PosixNetwork network_;
  PosixClock clock_;
};

TEST_F(HttpFetchTest, ReadsTheBodyOfWhatTheServerSends) {
  const std::string head = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
  // Headers that push the body to a given offset of the response.
  auto paddedHead = [](std::size_t bodyOffset) {
    std::string start = "HTTP/1.0 200 OK\r\nX-Padding: ";
    return start + std::string(bodyOffset - start.size() - 4, 'x') + "\r\n\r\n";
  };
  struct Case {
    const char* name;
    std::vector<ServerStep> script;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"digits and a line end", {{head + "201\r\n"}}, "201"},
      {"leading spaces, long body", {{head + "  2010"}}, "201"},
      {"full stop", {{head + "2.1"}}, "2.1"},
      {"status is not examined", {{"HTTP/1.0 404 Not Found\r\n\r\n201"}}, "201"},
      {"LF-only lines", {{"HTTP/1.0 200 OK\nContent-Type: text/plain\n\n201\n"}}, ""},
      {"no end of header", {{"HTTP/1.0 200 OK\r\n201"}}, ""},
      {"nothing at all", {}, ""},
      {"pieces joined in order",
       {{"HTTP/1.0 200 OK\r\n\r", 300}, {"\n ", 300}, {"2", 300}, {"01\r\n"}},
       "201"},
      {"response of exactly 2048 bytes", {{paddedHead(2045) + "201"}}, "201"},
      {"bytes past 2048 are not read", {{paddedHead(2046) + "21" + std::string(3000, '9')}}, "21"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(c.script);
    auto start = Clock::now();
    EXPECT_EQ(FetchVersionText(UrlOf(server.port()), kUserAgent), c.expected);
    EXPECT_LT(MillisecondsSince(start), kPromptMs);
  }
}

TEST_F(HttpFetchTest, SendsTheRequestLinesWithoutPortOrQuery) {
  ScriptedServer server({{"HTTP/1.0 200 OK\r\n\r\n201"}});
  std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/files/frostlight.dat?x=1";
  EXPECT_EQ(FetchVersionText(url, kUserAgent), "201");
  EXPECT_EQ(server.request(),
            "GET /files/frostlight.dat HTTP/1.0\r\n"
            "Host: 127.0.0.1\r\n"
            "Accept: */*\r\n"
            "User-Agent: Frostlight Screensaver 2.0\r\n"
            "Connection: close\r\n"
            "\r\n");
}

TEST_F(HttpFetchTest, AFullBufferEndsTheWaitEvenWhenTheServerKeepsTheConnection) {
  std::string response = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, '7');
  ScriptedServer server({{response}}, ScriptedServer::Afterwards::Hold);
  auto start = Clock::now();
  EXPECT_EQ(FetchVersionText(UrlOf(server.port()), kUserAgent), "777");
  EXPECT_LT(MillisecondsSince(start), kPromptMs);
}

TEST_F(HttpFetchTest, ASilentServerIsGivenUpOnAfterTenSeconds) {
  ScriptedServer server({}, ScriptedServer::Afterwards::Hold);
  auto start = Clock::now();
  EXPECT_EQ(FetchVersionText(UrlOf(server.port()), kUserAgent), "");
  long waited = MillisecondsSince(start);
  std::printf("silent server: the fetch returned after %ld ms\n", waited);
  EXPECT_GE(waited, 10000);  // whole milliseconds, so "more than 10000" may read as 10000
  EXPECT_LT(waited, 15000);
}

TEST_F(HttpFetchTest, AServerThatStallsMidResponseIsGivenUpOnWithWhatArrived) {
  ScriptedServer server({{"HTTP/1.0 200 OK\r\n\r\n201"}}, ScriptedServer::Afterwards::Hold);
  auto start = Clock::now();
  EXPECT_EQ(FetchVersionText(UrlOf(server.port()), kUserAgent), "201");
  long waited = MillisecondsSince(start);
  std::printf("stalling server: the fetch returned after %ld ms\n", waited);
  EXPECT_LT(waited, 15000);
}

TEST_F(HttpFetchTest, NoConnectionGivesTheEmptyTextAtOnce) {
  RefusingPort refusing;
  auto start = Clock::now();
  EXPECT_EQ(FetchVersionText(UrlOf(refusing.port()), kUserAgent), "");
  EXPECT_EQ(FetchVersionText("", kUserAgent), "");
  EXPECT_EQ(FetchVersionText("http://127.0.0.1:0/files/frostlight.dat", kUserAgent), "");
  EXPECT_EQ(FetchVersionText("http://127.0.0.1:70000/files/frostlight.dat", kUserAgent), "");
  EXPECT_LT(MillisecondsSince(start), kPromptMs);
}

}  // namespace
}  // namespace fl
