#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {
namespace {

TEST(IniFile, ReadsNamesWithoutRegardToCase) {
  const IniFile ini = IniFile::Parse("[Configuration]\r\nMessage_Delay=300\r\n");
  EXPECT_EQ(ini.ReadString("configuration", "MESSAGE_DELAY", "d"), "300");
  EXPECT_EQ(ini.ReadString(" Configuration ", "Message_Delay", "d"), "300");
  EXPECT_EQ(ini.ReadString("Configuration", "Other", "d"), "d");
  EXPECT_EQ(ini.ReadString("Other", "Message_Delay", "d"), "d");
  EXPECT_EQ(IniFile().ReadString("Configuration", "Message_Delay", "d"), "d");
}

TEST(IniFile, TrimsValuesAndOnePairOfQuotes) {
  const IniFile ini = IniFile::Parse(
      "[s]\n"
      "  plain  =  a b  \n"
      "double=  \"  x  \"  \n"
      "single='y'\n"
      "twice=\"\"z\"\"\n"
      "mixed=\"z'\n"
      "lone=\"\n"
      "inner=a \"b\"\n"
      "empty=\n"
      "blankquoted=\"1 \"\n");
  EXPECT_EQ(ini.ReadString("s", "plain", ""), "a b");
  EXPECT_EQ(ini.ReadString("s", "double", ""), "  x  ");
  EXPECT_EQ(ini.ReadString("s", "single", ""), "y");
  EXPECT_EQ(ini.ReadString("s", "twice", ""), "\"z\"");
  EXPECT_EQ(ini.ReadString("s", "mixed", ""), "\"z'");
  EXPECT_EQ(ini.ReadString("s", "lone", ""), "\"");
  EXPECT_EQ(ini.ReadString("s", "inner", ""), "a \"b\"");
  EXPECT_EQ(ini.ReadString("s", "empty", "d"), "");
  EXPECT_EQ(ini.ReadString("s", "blankquoted", ""), "1 ");
}

TEST(IniFile, CutsLongValues) {
  const std::string value(5000, 'v');
  const IniFile ini = IniFile::Parse("[s]\r\nk=" + value + "\r\nq=\"" + value + "\"\r\n");
  EXPECT_EQ(ini.ReadString("s", "k", ""), value.substr(0, 2047));
  EXPECT_EQ(ini.ReadString("s", "q", ""), value.substr(0, 2047));
}

TEST(IniFile, FirstSectionAndFirstKeyCount) {
  IniFile ini = IniFile::Parse("[s]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\nj=4\r\n");
  EXPECT_EQ(ini.ReadString("s", "k", ""), "1");
  EXPECT_EQ(ini.ReadString("s", "j", "none"), "none") << "keys of a second equal section are not read";
  ini.WriteString("s", "k", "5");
  ini.WriteString("s", "j", "6");
  EXPECT_EQ(ini.ToText(), "[s]\r\nk=5\r\nk=2\r\nj=6\r\n[S]\r\nk=3\r\nj=4\r\n");
  ini.EraseSection("S");
  EXPECT_EQ(ini.ReadString("s", "k", ""), "3");
  EXPECT_EQ(ini.ToText(), "[S]\r\nk=3\r\nj=4\r\n");
}

TEST(IniFile, WritesInPlaceAtSectionEndOrAtFileEnd) {
  IniFile ini = IniFile::Parse(
      "; comment\n"
      "[a]\n"
      " Key = old \n"
      "line without equals\n"
      "\n"
      "[b]\n"
      "x=1");
  ini.WriteString("A", "key", "new");
  ini.WriteString("a", "added", "v");
  ini.WriteString("c", "k", "w");
  EXPECT_EQ(ini.ToText(),
            "; comment\r\n"
            "[a]\r\n"
            "Key=new\r\n"
            "line without equals\r\n"
            "added=v\r\n"
            "\r\n"
            "[b]\r\n"
            "x=1\r\n"
            "[c]\r\n"
            "k=w\r\n");
  EXPECT_EQ(ini.ReadString("a", "key", ""), "new");
  EXPECT_EQ(ini.ReadString("a", "ADDED", ""), "v");
  EXPECT_EQ(ini.ReadString("c", "k", ""), "w");
}

TEST(IniFile, EraseRemovesHeaderAndKeysAndLeavesTheRest) {
  IniFile ini = IniFile::Parse("top=1\r\n[]\r\n=unnamed\r\n[gone]\r\na=1\r\nb=2\r\n[kept]\r\nc=3\r\n");
  ini.EraseSection("GONE");
  ini.EraseSection("missing");
  EXPECT_FALSE(ini.HasSection("gone"));
  EXPECT_EQ(ini.ToText(), "top=1\r\n[]\r\n=unnamed\r\n[kept]\r\nc=3\r\n");
  ini.WriteString("gone", "a", "9");
  EXPECT_EQ(ini.ToText(), "top=1\r\n[]\r\n=unnamed\r\n[kept]\r\nc=3\r\n[gone]\r\na=9\r\n");
}

TEST(IniFile, KeysBeforeAnySectionBelongToNone) {
  const IniFile ini = IniFile::Parse("k=1\r\n[s]\r\nj=2\r\n");
  EXPECT_EQ(ini.ReadString("", "k", "d"), "d");
  EXPECT_EQ(ini.ReadString("s", "k", "d"), "d");
  EXPECT_EQ(ini.ReadString("s", "j", "d"), "2");
}

TEST(IniFile, AcceptsEveryLineEndAndAByteOrderMark) {
  for (const char* text : {"[s]\r\nk=1\r\nj=2", "[s]\nk=1\nj=2\n", "[s]\rk=1\rj=2\r", "\xEF\xBB\xBF[s]\r\nk=1\nj=2"}) {
    const IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "1") << text;
    EXPECT_EQ(ini.ReadString("s", "j", ""), "2") << text;
  }
  IniFile marked = IniFile::Parse("\xEF\xBB\xBF[s]\nk=1\n");
  marked.WriteString("s", "k", "2");
  EXPECT_EQ(marked.ToText(), "\xEF\xBB\xBF[s]\r\nk=2\r\n");
}

TEST(IniFile, EveryWrittenValueReadsBackAsGiven) {
  // The reader trims and unquotes; the writer quotes what that would change.
  const std::vector<std::string> values = {"plain",   "a \"b\"", "\"",      "\"x",        " lead",
                                           "trail ",  "\x08",    "tab\t",   "\"q\"",     "'q'",
                                           "\"\"twice\"\"", "'mixed\"", std::string("nul\0", 4)};
  for (const std::string& value : values) {
    IniFile ini;
    ini.WriteString("s", "k", value);
    EXPECT_EQ(IniFile::Parse(ini.ToText()).ReadString("s", "k", "default"), value) << ini.ToText();
  }
}

TEST(IniFile, LineBreaksInWrittenTextCannotSplitTheLine) {
  IniFile ini;
  ini.WriteString("s", "k", "a\r\n[evil]\nx=1");
  EXPECT_EQ(ini.ToText(), "[s]\r\nk=a  [evil] x=1\r\n");
  EXPECT_FALSE(IniFile::Parse(ini.ToText()).HasSection("evil"));
}

}  // namespace
}  // namespace qm
