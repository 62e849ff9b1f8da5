// An environment variable set or unset for the lifetime of the object.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace tavrik::testing {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) previous_ = old;
        Set(value);
    }
    ~ScopedEnv() { Set(previous_); }

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> previous_;
};

}  // namespace tavrik::testing
