#pragma once
// A minimal HTTP/1.0 client for the version file.
#include <string>

namespace fl {

// Readies the platform's network layer the first time it is called; later calls
// do nothing. Must have run before FetchVersionText.
void StartNetwork();

// GETs the URL over a connection of its own and returns the first three
// characters of the trimmed response body. Returns the empty text when the URL
// is empty, the connection cannot be opened, no complete header arrives, or the
// body is empty. Blocks the caller for at most about ten seconds once connected.
std::string FetchVersionText(const std::string& url, const std::string& userAgent);

}  // namespace fl
