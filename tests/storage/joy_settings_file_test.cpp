// The joystick settings file: read into the table without ever leaving it,
// written back byte for byte.
#include "FilesFixture.h"
#include "storage/JoySettingsFile.h"

namespace qv::test {
namespace {

using JoySettingsFileTest = FilesTest;

TEST_F(JoySettingsFileTest, GoldenFileWithEveryFieldSavesBackByteForByte) {
  const std::string golden = GoldenFile("every-field.qvjoy");
  std::u16string from = Write(u"every-field.qvjoy", golden);
  for (const std::u16string& to : {folder.File(u"once.qvjoy"), folder.File(u"twice.qvjoy")}) {
    JoySettings = TJoySettings{};
    EXPECT_EQ(LoadJoySettings(from), u"");
    SaveJoySettings(to);
    EXPECT_EQ(ReadBytes(to), golden);
    from = to;
  }
  EXPECT_EQ(JoySettings.Axes[0].Name, u" Throttle ");
  EXPECT_EQ(JoySettings.Axes[15].Name, u"\u0422\u043e\u0440\u043c\u043e\u0437");
}

TEST_F(JoySettingsFileTest, EntriesStayInsideTheTable) {
  std::vector<std::string_view> lines{"{ MULTILEVEL", "Noise=3", "{ AXES",
                                      // Entries outside 0..15 and sub-sections of other names are skipped.
                                      "{ AXIS", "Index=16", "Type=Analog", "}", "{ AXIS", "Index=-1",
                                      "Type=Analog", "}", "{ Axis", "Index=4", "Type=Analog", "}",
                                      // Unlisted enumeration values fall back to their defaults.
                                      "{ AXIS", "Index=5", "Type=7", "}", "{ AXIS", "Index=6", "Type=1",
                                      "HangPos=9", "{ POSITIONS", "{ VALUE", "Value=5", "}"};
  // 40 rest values: the lever keeps the first 32.
  std::vector<std::string> values;
  for (int i = 0; i < 40; ++i) values.push_back("Value=" + std::to_string(100 * i));
  for (const std::string& value : values) lines.insert(lines.end(), {"{ POSITION", value, "}"});
  lines.insert(lines.end(), {"}", "}", "}", "}"});
  EXPECT_EQ(LoadJoySettings(Write(u"x.qvjoy", Document(lines))), u"");
  EXPECT_EQ(JoySettings.Noise, 3);
  for (int i : {0, 4, 5, 15}) EXPECT_EQ(JoySettings.Axes[static_cast<size_t>(i)].Type, atUnused) << i;
  const TAxisSettings& lever = JoySettings.Axes[6];
  EXPECT_EQ(lever.Type, atMultipos);
  EXPECT_EQ(lever.HangPos, hpNone);
  EXPECT_EQ(lever.Count, 32);
  EXPECT_EQ(lever.Value[31], 3100);
}

TEST_F(JoySettingsFileTest, AMissingRequiredValueKeepsWhatWasReadAndIsReported) {
  const std::string analog =
      Document({"{ MULTILEVEL", "Noise=20", "{ AXES", "{ AXIS", "Index=1", "Type=Multipos", "}", "{ AXIS",
                "Index=2", "Type=Analog", "Neutral=100", "}", "}", "}"});
  EXPECT_EQ(LoadJoySettings(Write(u"a.qvjoy", analog)),
            u"Multilevel application error in line 8:\rVariable Threshold doesn't exist.");
  EXPECT_EQ(JoySettings.Noise, 20);
  EXPECT_EQ(JoySettings.Axes[1].Type, atMultipos);
  EXPECT_EQ(JoySettings.Axes[2].Neutral, 100);

  // Without the axes, the same file only sets the noise margin.
  JoySettings = TJoySettings{};
  EXPECT_EQ(LoadJoySettings(Write(u"b.qvjoy", Document({"{ MULTILEVEL", "Noise=20", "}"}))), u"");
  EXPECT_EQ(JoySettings.Noise, 20);
  EXPECT_EQ(JoySettings.Axes[1].Type, atUnused);

  // A missing or unparsable file is no error: the defaults stay.
  JoySettings = TJoySettings{};
  EXPECT_EQ(LoadJoySettings(folder.File(u"missing.qvjoy")), u"");
  EXPECT_EQ(LoadJoySettings(Write(u"c.qvjoy", Document({"{ MULTILEVEL", "Noise=20", "oops"}))), u"");
  EXPECT_EQ(JoySettings.Noise, 10);
}

}  // namespace
}  // namespace qv::test
