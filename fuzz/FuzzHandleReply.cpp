// A whole reply, any bytes, through the reply step and on into the lists, the way the
// main window takes it: the callback runs exactly once with the reply unchanged, the
// dialog is offered only for a link the shell is then handed, nothing but a web link
// reaches the shell, and the lists stay sorted and within their limit.
#include <cstdlib>
#include <string>

#include "Lib/Common.h"
#include "Tavin/Update.h"
#include "Tavin/UpdateCheck.h"
#include "Tavin/UpdateReply.h"
#include "platform/Utf8.h"
#include "platform/fake/FakePlatform.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class Ui : public IUpdateUi {
 public:
  explicit Ui(bool yes) : yes_(yes) {}
  bool UpdateDialog(const std::wstring& reply) override {
    ++dialogs;
    // The dialog reads its notice itself; nothing in it may throw.
    (void)ReadNotice(reply).StaysOnTop();
    return yes_;
  }
  void ShowUpdateStatus(const std::wstring&) override { ++statusLinks; }

  int dialogs = 0;
  int statusLinks = 0;

 private:
  bool yes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Made once: setting up every fake for each input would cost more than the step.
  static FakePlatform& fake = *new FakePlatform;
  fake.shell.executed.clear();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The body as the request side decodes it.
  const std::wstring reply = Utf8ToWide(bytes);
  Ui ui(size % 2 == 1);
  int calls = 0;
  bool flag = false;
  HandleReply(reply, [&](bool taken, const std::wstring& text) {
    ++calls;
    flag = taken;
    Check(text == reply);
  }, ui);
  Check(calls == 1);
  Check(ui.dialogs <= 1);
  Check(fake.shell.executed.size() == static_cast<size_t>(flag ? 1 : 0));
  if (ui.dialogs == 1 && size % 2 == 1) Check(flag);
  for (const ShellExecuteCall& call : fake.shell.executed) Check(IsWebLink(call.file));

  // What the main window's callback does with it.
  const auto value = ParseJsonText(WideToUtf8(reply));
  if (!value || !value->is_object()) return 0;
  FilterList fileWhite, nameWhite;
  AddJsonArray(fileWhite, *value, L"file_white");
  AddJsonArray(nameWhite, *value, L"name_white");
  for (const FilterList* list : {&fileWhite, &nameWhite}) {
    Check(list->Count() <= kReplyRowLimit);
    for (const std::wstring& row : list->Rows()) Check(list->Contains(row));
  }
  (void)MatchesList(fileWhite, L"C:\\Program Files\\Vendor\\app.exe", true);
  (void)MatchesList(nameWhite, L"Service", false);
  return 0;
}
