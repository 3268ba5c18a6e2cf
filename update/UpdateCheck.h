#pragma once
// The update button: compares the newest released version, as the vendor's
// version file states it, with AppVersion and tells the user.
#include <string_view>

namespace fl {

// Fetches the version file and shows "no answer", "no update" or the download
// prompt; Yes in the prompt opens the home page. Needs StartNetwork to have run.
void CheckForUpdate();

// The Yes/No prompt for a newer version; true for Yes.
bool AskDownloadUpdate();

// The version number in the text: after spaces or tabs, an optional sign and
// decimal digits, or "$" and hex digits, or "%" and binary digits, up to the
// first other character. No digits give 0.
int VersionNumber(std::string_view text);

}  // namespace fl
