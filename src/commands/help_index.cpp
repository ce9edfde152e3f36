#include "commands/help_index.h"

#include <algorithm>
#include <numeric>

namespace tw {
namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool lessWithoutCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
  });
}

bool holdsWithoutCase(std::string_view where, std::string_view word) {
  return std::search(where.begin(), where.end(), word.begin(), word.end(),
                     [](char x, char y) { return lower(x) == lower(y); }) != where.end();
}

std::vector<std::string_view> wordsOf(std::string_view typed) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at <= typed.size();) {
    const std::size_t end = std::min(typed.find(' ', at), typed.size());
    if (end > at) words.push_back(typed.substr(at, end - at));
    at = end + 1;
  }
  return words;
}
}  // namespace

std::string_view indexKey(std::string_view title) {
  for (std::string_view article : {"the", "an", "a"}) {
    if (title.size() <= article.size() || !isBlank(title[article.size()])) continue;
    if (!std::equal(article.begin(), article.end(), title.begin(),
                    [](char a, char t) { return a == lower(t); }))
      continue;
    std::size_t rest = article.size();
    while (rest < title.size() && isBlank(title[rest])) ++rest;
    return title.substr(rest);
  }
  return title;
}

std::vector<std::size_t> indexOrder(const std::vector<std::string>& titles) {
  std::vector<std::size_t> order(titles.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return lessWithoutCase(indexKey(titles[a]), indexKey(titles[b]));
  });
  return order;
}

TopicMatch matchTopics(const std::vector<std::string>& titles,
                       const std::vector<std::string>& texts, std::string_view typed) {
  const auto words = wordsOf(typed);
  const auto holdsAll = [&words](std::string_view where) {
    return std::all_of(words.begin(), words.end(),
                       [where](std::string_view w) { return holdsWithoutCase(where, w); });
  };
  TopicMatch m;
  int first = -1;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const bool listed = holdsAll(titles[i] + ' ' + texts[i]);
    m.listed.push_back(listed);
    if (!listed) continue;
    if (first < 0) first = static_cast<int>(i);
    if (m.chosen < 0 && holdsAll(titles[i])) m.chosen = static_cast<int>(i);
  }
  if (m.chosen < 0) m.chosen = first;
  return m;
}

}  // namespace tw
