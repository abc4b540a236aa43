// The trap window as a later start meets it: found by its title alone,
// answering the presence and main-window questions, and taking a profile
// path only from a payload that keeps within its bounds.
#include <gtest/gtest.h>

#include <vector>

#include "ui/win32/f_Trap.h"

namespace qv::ui::win32 {
namespace {

class FakeHost : public TTrapHost {
 public:
  bool polling = true;
  std::vector<std::u16string> loaded;
  bool BringUp() override { return polling; }
  uintptr_t ActiveWindow() override { return 0x4321; }
  bool FileExists(const std::u16string&) override { return true; }
  bool AskToSave() override { return true; }
  void LoadProfile(const std::u16string& path) override { loaded.push_back(path); }
};

class TrapTest : public ::testing::Test {
 protected:
  LRESULT CopyData(const void* data, DWORD bytes) {
    COPYDATASTRUCT copy{0, bytes, const_cast<void*>(data)};
    return SendMessageW(trap.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  }
  const std::u16string title = InstanceTitle(u"C:\\Program Files\\Quorvex\\quorvex.exe");
  FakeHost host;
  TfmTrap trap{host, title};
};

TEST_F(TrapTest, IsAHiddenTopLevelWindowFoundByTitle) {
  ASSERT_NE(trap.Handle(), nullptr);
  EXPECT_EQ(FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(title.c_str())), trap.Handle());
  EXPECT_FALSE(IsWindowVisible(trap.Handle()));
  EXPECT_EQ(GetAncestor(trap.Handle(), GA_PARENT), GetDesktopWindow());
}

TEST_F(TrapTest, AnswersTheTwoQuestions) {
  EXPECT_EQ(SendMessageW(trap.Handle(), 1027, 0, 0), 0xD017E);
  EXPECT_EQ(SendMessageW(trap.Handle(), 1026, 0, 0), 0x4321);
  host.polling = false;
  EXPECT_EQ(SendMessageW(trap.Handle(), 1026, 0, 0), 0);
}

TEST_F(TrapTest, LoadsAPathOnlyFromABoundedPayload) {
  const char16_t path[] = u"C:\\a.qvprof";
  const std::vector<char16_t> unterminated(2048, u'x');
  EXPECT_EQ(CopyData(path, sizeof path - 2), 0);  // the zero left out
  EXPECT_EQ(CopyData(unterminated.data(), 4096), 0);
  EXPECT_TRUE(host.loaded.empty());
  CopyData(path, sizeof path);
  EXPECT_EQ(host.loaded, std::vector<std::u16string>{u"C:\\a.qvprof"});
}

}  // namespace
}  // namespace qv::ui::win32
