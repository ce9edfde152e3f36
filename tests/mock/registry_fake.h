#pragma once
// An in-memory registry: keys under a root hold typed values as raw bytes. It hands out
// handles, keeps which are open, and logs every call.
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "commands/about_platform.h"

namespace tw::test {

struct RegValue {
  std::uint32_t type;
  std::string bytes;
};

// A value's bytes as a text with its closing NUL, as the registry usually stores a text.
inline RegValue regText(const std::string& text) { return {REG_SZ, text + std::string(1, '\0')}; }

class FakeRegistry : public Registry {
 public:
  static constexpr std::int32_t ERROR_MORE_DATA = 234;

  void set(HKEY root, const std::string& key, const std::string& name, RegValue value) {
    keys[{root, key}][name] = std::move(value);
  }

  std::int32_t RegOpenKeyEx(HKEY root, const std::string& subKey, std::uint32_t options,
                            std::uint32_t access, HKEY& result) override {
    log.push_back("open " + subKey);
    lastOptions = options;
    lastAccess = access;
    if (throwOnOpen) throw std::runtime_error("registry failed");
    auto it = keys.find({root, subKey});
    if (it == keys.end()) return ERROR_FILE_NOT_FOUND;
    result = nextHandle++;
    handles[result] = &it->second;
    open.insert(result);
    return ERROR_SUCCESS;
  }

  std::int32_t RegQueryValueEx(HKEY key, const std::string& name, std::uint32_t& type, char* data,
                               std::uint32_t& size) override {
    log.push_back("query " + name);
    const auto h = handles.find(key);
    if (h == handles.end() || !open.count(key)) return 6;  // an invalid handle
    const auto v = h->second->find(name);
    if (v == h->second->end()) return ERROR_FILE_NOT_FOUND;
    roomOffered = size;
    if (v->second.bytes.size() > size) return ERROR_MORE_DATA;
    std::memcpy(data, v->second.bytes.data(), v->second.bytes.size());
    type = v->second.type;
    size = static_cast<std::uint32_t>(v->second.bytes.size());
    return ERROR_SUCCESS;
  }

  std::int32_t RegCloseKey(HKEY key) override {
    log.push_back("close " + std::to_string(key));
    return open.erase(key) ? ERROR_SUCCESS : 6;
  }

  std::map<std::pair<HKEY, std::string>, std::map<std::string, RegValue>> keys;
  std::map<HKEY, std::map<std::string, RegValue>*> handles;
  std::set<HKEY> open;
  std::vector<std::string> log;
  std::uint32_t lastOptions = 99, lastAccess = 0, roomOffered = 0;
  bool throwOnOpen = false;
  HKEY nextHandle = 0x100;
};

}  // namespace tw::test
