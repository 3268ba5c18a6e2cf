#include "update/HttpMessage.h"

namespace fl {
namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";
// Any port above this cannot be connected to; reading stops growing the number
// there so that a long run of digits cannot overflow.
constexpr int kPortCeiling = 65536;

int LeadingPortNumber(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value >= kPortCeiling) return kPortCeiling;
  }
  return value;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char c : bytes) {
    auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

}  // namespace

UrlParts SplitUrl(std::string_view url) {
  UrlParts parts;
  std::string_view rest = url;
  if (std::size_t scheme = rest.find("://"); scheme != std::string_view::npos) rest.remove_prefix(scheme + 3);

  std::size_t slash = rest.find('/');
  if (std::size_t at = rest.find('@'); at != std::string_view::npos && at < slash) {
    rest.remove_prefix(at + 1);
    slash = rest.find('/');
  }

  std::string_view authority = rest.substr(0, slash);
  std::size_t colon = authority.find(':');
  parts.host = std::string(authority.substr(0, colon));
  if (colon != std::string_view::npos) {
    std::string_view port = authority.substr(colon + 1);
    if (!port.empty()) parts.port = LeadingPortNumber(port);
  }

  if (slash != std::string_view::npos) {
    std::string_view path = rest.substr(slash + 1);
    parts.path += std::string(path.substr(0, path.find('?')));
  }
  return parts;
}

std::string BuildRequest(const UrlParts& url, std::string_view userAgent) {
  std::string request;
  request += "GET " + url.path + " HTTP/1.0\r\n";
  request += "Host: " + url.host + "\r\n";
  request += "Accept: */*\r\n";
  request += "User-Agent: " + std::string(userAgent) + "\r\n";
  request += "Connection: close\r\n";
  request += "\r\n";
  return request;
}

std::string ResponseVersionText(std::string_view response) {
  response = response.substr(0, response.find('\0'));

  std::size_t headerEnd = response.find(kHeaderEnd);
  if (headerEnd == std::string_view::npos) return {};
  std::string_view body = response.substr(headerEnd + kHeaderEnd.size());
  body = body.substr(0, body.find(kHeaderEnd));

  std::size_t first = body.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  body = body.substr(first, body.find_last_not_of(' ') - first + 1);
  // Latin-1 has one character per byte, so three bytes are three characters.
  return Latin1ToUtf8(body.substr(0, 3));
}

}  // namespace fl
