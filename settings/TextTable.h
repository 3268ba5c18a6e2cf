#pragma once
// The built-in user-interface texts, looked up by group and key without regard
// to letter case.
#include <string>

namespace fl {

// Builds the table from the built-in text data; called once at start-up.
void BuildTextTable();

// The text of the entry, or "%NO_STRING_ERROR%" when the group or key is absent.
std::string GetText(const std::string& group, const std::string& key);

}  // namespace fl
