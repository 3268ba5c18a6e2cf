#include "platform/wx/WxMessageBoxes.h"

#include <wx/msgdlg.h>

#include <cstdio>

namespace fl {
namespace {

int AnswerWithoutDisplay(const std::string& title, const std::string& text, BoxStyle style) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  std::fflush(stderr);
  return style == BoxStyle::Question ? BoxNo : BoxOk;
}

}  // namespace

int WxMessageBoxes::Show(const std::string& title, const std::string& text, BoxStyle style) {
  if (!StartToolkit(programName_)) return AnswerWithoutDisplay(title, text, style);

  long flags = wxCENTRE;
  switch (style) {
    case BoxStyle::Error: flags |= wxOK | wxICON_ERROR; break;
    case BoxStyle::Information: flags |= wxOK | wxICON_INFORMATION; break;
    case BoxStyle::Question: flags |= wxYES_NO | wxICON_QUESTION; break;
  }
  wxMessageDialog dialog(nullptr, wxString::FromUTF8(text), wxString::FromUTF8(title), flags);
  int answer = dialog.ShowModal();
  if (style == BoxStyle::Question) return answer == wxID_YES ? BoxYes : BoxNo;
  return BoxOk;
}

}  // namespace fl
