#include "commands/help_index.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(HelpIndex, FilesATitleWithoutItsLeadingArticle) {
  const struct {
    std::string title, key;
  } cases[] = {{"The people list", "people list"},
               {"the \t Chart", "Chart"},
               {"A birthday", "birthday"},
               {"AN entry", "entry"},
               {"Another topic", "Another topic"},
               {"Theory", "Theory"},
               {"The", "The"},
               {"Printing the chart", "Printing the chart"},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(indexKey(c.title), c.key) << "title: " << c.title;
}

TEST(HelpIndex, OrdersTitlesWithoutCaseKeepingTiesInFileOrder) {
  const std::vector<std::string> titles = {"The people list", "About Tidewell", "chart key",
                                           "A birthday",      "Chart Key",      "Zero"};
  EXPECT_EQ(indexOrder(titles), (std::vector<std::size_t>{1, 3, 2, 4, 0, 5}));
}

TEST(HelpIndex, ListsTopicsHoldingEveryWordAndChoosesByTitleFirst) {
  const std::vector<std::string> titles = {"Printing", "The people list", "Critical days"};
  const std::vector<std::string> texts = {"print the chart on paper",
                                          "add people and see their critical days",
                                          "days when a cycle crosses zero"};
  const struct {
    std::string typed;
    std::vector<bool> listed;
    int chosen;
  } cases[] = {{"", {true, true, true}, 0},
               {"critical", {false, true, true}, 2},
               {"  PEOPLE  add ", {false, true, false}, 1},
               {"paper", {true, false, false}, 0},
               {"days zero", {false, false, true}, 2},
               {"list critical", {false, true, false}, 1},
               {"zzz", {false, false, false}, -1}};
  for (const auto& c : cases) {
    const TopicMatch m = matchTopics(titles, texts, c.typed);
    EXPECT_EQ(m.listed, c.listed) << "typed: \"" << c.typed << '"';
    EXPECT_EQ(m.chosen, c.chosen) << "typed: \"" << c.typed << '"';
  }
}

}  // namespace
}  // namespace tw
