// The receiving side of the hand-off: what a WM_COPYDATA payload may make
// the running copy do. Any program can send one, so its bounds matter.
#include "ui/HandOff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::ui {
namespace {

std::vector<char16_t> Units(const std::u16string& text) { return {text.begin(), text.end()}; }

TEST(HandOffTest, PayloadIsReadOnlyWithinItsBounds) {
  std::vector<char16_t> full(HandOffUnits, u'a');
  full.back() = u'\0';
  std::vector<char16_t> overlong(HandOffUnits + 8, u'a');
  overlong.back() = u'\0';  // a zero, but beyond the hand-off buffer
  const auto terminated = Units(std::u16string(u"C:\\p.qvprof") + u'\0');
  const struct {
    const char* what;
    const void* data;
    size_t bytes;
    std::optional<std::u16string> path;
  } cases[] = {
      {"terminated", terminated.data(), terminated.size() * 2, u"C:\\p.qvprof"},
      {"count beyond the zero", terminated.data(), terminated.size() * 2 + 1000, u"C:\\p.qvprof"},
      {"count short of the zero", terminated.data(), terminated.size() * 2 - 2, std::nullopt},
      {"odd count short of the zero", terminated.data(), terminated.size() * 2 - 1, std::nullopt},
      {"no data", nullptr, 100, std::nullopt},
      {"no bytes", terminated.data(), 0, std::nullopt},
      {"zero in the last unit", full.data(), full.size() * 2, std::u16string(HandOffUnits - 1, u'a')},
      {"zero beyond 1024 units", overlong.data(), overlong.size() * 2, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(HandedOffPath(c.data, c.bytes), c.path) << c.what;
}

class FakeTrapHost : public TTrapHost {
 public:
  bool polling = true, exists = true, allowed = true;
  std::vector<std::string> calls;
  bool BringUp() override {
    calls.push_back("bring up");
    return polling;
  }
  uintptr_t ActiveWindow() override { return 0x1234; }
  bool FileExists(const std::u16string&) override { return exists; }
  bool AskToSave() override {
    calls.push_back("ask");
    return allowed;
  }
  void LoadProfile(const std::u16string& path) override {
    calls.push_back("load " + std::string(path.begin(), path.end()));
  }
};

TEST(HandOffTest, ReceiverLoadsOnlyWhenPollingTheFileExistsAndTheUserAllows) {
  const auto payload = Units(std::u16string(u"p.qvprof") + u'\0');
  const struct {
    const char* what;
    bool polling, exists, allowed;
    std::vector<std::string> calls;
  } cases[] = {
      {"all well", true, true, true, {"bring up", "ask", "load p.qvprof"}},
      {"not polling", false, true, true, {"bring up"}},
      {"missing file", true, false, true, {"bring up"}},
      {"user keeps the profile", true, true, false, {"bring up", "ask"}},
  };
  for (const auto& c : cases) {
    FakeTrapHost host;
    host.polling = c.polling;
    host.exists = c.exists;
    host.allowed = c.allowed;
    ReceiveHandOff(host, payload.data(), payload.size() * 2);
    EXPECT_EQ(host.calls, c.calls) << c.what;
  }
}

}  // namespace
}  // namespace qv::ui
