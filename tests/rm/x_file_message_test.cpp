// Assimp's words about a rejected file, cut for a message box: the quoted rest of the file
// shrinks to a few words placed by line and column, and the whole text still reaches stderr.
#include <gtest/gtest.h>

#include <string>

#include "rm_test_scene.hpp"
#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

// Assimp's message for a number it cannot read: the quote is everything from there on.
std::string NumberError(const std::string& rest) {
  return "Cannot parse string \"" + rest + "\" as a real number: does not start with digit.";
}

TEST(XFileMessageTest, TheQuotedRestOfTheFileBecomesItsPlaceAndItsFirstWords) {
  const std::string head = "xof 0303txt 0032\nMesh M {\n  3;\n    1.0;";
  std::string rest = ",\n    2.0;2.0;2.0;,\n";
  for (int i = 0; i < 2000; ++i) rest += "    3.0;3.0;3.0;,\n";
  // Assimp prints line breaks as '?'.
  std::string printed = rest;
  for (char& c : printed) c = c == '\n' ? '?' : c;
  const std::string text = ShortLibraryText(NumberError(printed), head + rest);
  EXPECT_EQ(text,
            "line 4, column 9: Cannot parse string \", 2.0;2.0;2.0;, 3.0;3.0;3.0;, 3.0;3.0;3...."
            "\" as a real number: does not start with digit.");

  // Assimp's copy of the file ends at a zero byte.
  const std::string withZero = head + rest + std::string(1, '\0') + "tail";
  EXPECT_EQ(ShortLibraryText(NumberError(printed), withZero).substr(0, 18), "line 4, column 9: ");

  // A quote the file does not hold is cut all the same, without a place.
  const std::string elsewhere = ShortLibraryText(NumberError(printed), "xof 0303txt 0032\n");
  EXPECT_EQ(elsewhere.substr(0, 22), "Cannot parse string \",");
  EXPECT_LE(elsewhere.size(), kMaxLibraryText);
}

TEST(XFileMessageTest, AnyTextIsCutShortAndPrintable) {
  EXPECT_EQ(ShortLibraryText("Line 12: Unexpected end of file", ""),
            "Line 12: Unexpected end of file");
  const std::string cut = ShortLibraryText(std::string(5000, 'x'), "");
  EXPECT_EQ(cut.size(), kMaxLibraryText);
  EXPECT_EQ(cut.substr(cut.size() - 4), "x...");
  EXPECT_EQ(ShortLibraryText("bad \x01 name \xe2\x80\x94\n", ""), "bad ? name ????");
}

using XFileMessageLoadTest = RmTest;

TEST_F(XFileMessageLoadTest, ACubeMissingOneNumberGivesAShortErrorAndTheWholeTextOnStderr) {
  std::string text = ReadFile(DataFile("cube.x"));
  const std::string corner = "  1.000000;1.000000;-1.000000;,\n";
  const size_t at = text.find(corner);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, corner.size(), "  1.000000;1.000000;,\n");
  const std::string path = WriteScratch("cube_missing_number.x", text);
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  ::testing::internal::CaptureStderr();
  try {
    mesh->LoadFromFile(path, 0, 0);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    const std::string what = e.what();
    EXPECT_LE(what.size(), path.size() + 60 + kMaxLibraryText) << what;
    // The third corner is on line 15; its missing z leaves the comma at column 21.
    EXPECT_NE(what.find("LoadFromFile: " + path +
                        ": not a readable .x file (line 15, column 21: "
                        "Cannot parse string \","),
              std::string::npos)
        << what;
  }
  const std::string stderrText = ::testing::internal::GetCapturedStderr();
  // Everything Assimp said: the whole rest of the cube, down to its last brace.
  EXPECT_NE(stderrText.find("LoadFromFile: " + path + ": not a readable .x file (Cannot parse"),
            std::string::npos)
      << stderrText.substr(0, 300);
  EXPECT_NE(stderrText.find("}?}?\" as a real number"), std::string::npos);
  EXPECT_GT(stderrText.size(), text.size() - at);
}

}  // namespace
}  // namespace ursa::rm
