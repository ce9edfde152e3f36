#pragma once
// The help window's topic index: the order it lists topics in and the topics the typed words
// find. The view hands in case-folded text, so letters beyond ASCII match as its folding has it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// A title as an index files it: "The people list" stands under P.
std::string_view indexKey(std::string_view title);

// The titles' positions in index order, letters compared without case, ties in file order.
std::vector<std::size_t> indexOrder(const std::vector<std::string>& titles);

struct TopicMatch {
  std::vector<bool> listed;  // the title or text holds every typed word
  int chosen = -1;           // the first whose title holds them all, else the first listed
};

// Topic i is titles[i] with texts[i]; the typed words are split at spaces.
TopicMatch matchTopics(const std::vector<std::string>& titles,
                       const std::vector<std::string>& texts, std::string_view typed);

}  // namespace tw
