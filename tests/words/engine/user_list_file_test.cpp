#include "words/engine/user_list_file.h"

#include <gtest/gtest.h>

namespace {

TEST(UserListFile, WrittenListReadsBackTheSame) {
  const UserList list{3, 2057, {"Zeta", "a b", "Zeta", "\xe9t\xe9", std::string(300, 'q')}};
  const auto read = ParseUserList(UserListBytes(list));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Kind, 3);
  EXPECT_EQ(read->Language, 2057);
  EXPECT_EQ(read->Words, list.Words);
}

TEST(UserListFile, ToleratesCrLfEmptyLinesAndNoFinalLineBreak) {
  const auto read =
      ParseUserList("TOLVANE WORD LIST 1\r\nkind 1\r\nlanguage 1033\r\none\r\n\r\n\ntwo");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Words, (std::vector<std::string>{"one", "two"}));
}

TEST(UserListFile, RefusesMalformedHeadersAndWords) {
  for (const char* text :
       {"", "TOLVANE WORD LIST 1", "TOLVANE WORD LIST 1\nkind 1\nlanguage\n",
        "TOLVANE WORD LIST 1\nkind 0\nlanguage 1\n",
        "TOLVANE WORD LIST 1\nkind 1\nlanguage 32768\n",
        "TOLVANE WORD LIST 1\nkind 1\nlanguage 999999999999\n",
        "TOLVANE WORD LIST 1\nkind  1\nlanguage 1\n", "TOLVANE WORD LIST 1\nkind -1\nlanguage 1\n",
        "TOLVANE WORD LIST 1\nlanguage 1\nkind 1\n", "tolvane word list 1\nkind 1\nlanguage 1\n",
        "TOLVANE WORD LIST 1\nkind 1\nlanguage 1\nmid\rcr\n"}) {
    EXPECT_FALSE(ParseUserList(text)) << text;
  }
  EXPECT_FALSE(ParseUserList(std::string("TOLVANE WORD LIST 1\nkind 1\nlanguage 1\na\0b\n", 42)));
  EXPECT_FALSE(ParseUserList(std::string(kMaxUserListBytes + 1, 'a')));
}

}  // namespace
