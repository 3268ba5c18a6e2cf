#pragma once
// The pure parts of the version-file fetch: taking a URL apart, writing the
// HTTP/1.0 request and reading the first characters of a response body. They
// touch no socket, so they can be tested and fuzzed on their own.
#include <string>
#include <string_view>

namespace fl {

struct UrlParts {
  std::string host;      // name or dotted IPv4 address, never the port
  int port = 80;         // may be out of range when the URL says so; connecting then fails
  std::string path = "/";  // always starts with "/"; the query is dropped
};

// "scheme://user@host:port/path?query": scheme and user info are skipped, an
// empty or missing port gives 80, a port is read as the number it starts with.
UrlParts SplitUrl(std::string_view url);

// The five request lines and the empty line, each ending in CR LF.
std::string BuildRequest(const UrlParts& url, std::string_view userAgent);

// The first three characters of the body of a raw response (the part after the
// first CR LF CR LF, up to the next one), with spaces trimmed at both ends. The
// response is read up to its first zero byte and decoded as Latin-1; the result
// is UTF-8. A response without CR LF CR LF gives the empty text.
std::string ResponseVersionText(std::string_view response);

}  // namespace fl
