#include "settings/setting_ranges.h"

#include <array>
#include <string>

#include "settings/global_fields.h"
#include "settings/set_fields.h"

namespace tavrik {

namespace {

// Visits the keys of a set and of [Tavrik] for the range of one key.
class RangeFinder {
  public:
    explicit RangeFinder(std::string_view key) : key_(key) {}

    std::optional<SettingRange> found;

    void Int(std::string_view key, int, std::optional<SettingRange> range = {}) {
        Take(key, range);
    }
    void OptionalInt(std::string_view key, int, int, std::optional<SettingRange> range = {}) {
        Take(key, range);
    }
    void Bounds(std::string_view key, const std::array<std::string, 36>&, SettingRange range) {
        Take(key, range);
    }
    void Letter(std::string_view, char) {}
    void Bool(std::string_view, bool) {}
    void OptionalBool(std::string_view, bool, bool) {}
    void Colour(std::string_view, Color) {}
    void Text(std::string_view, const std::string&) {}
    void StatusBar(std::string_view, const std::string&) {}
    void Pen(std::string_view, PenStyle) {}
    void operator()(std::string_view key, auto, const GlobalKeyOptions& options) {
        Take(key, options.range);
    }

  private:
    void Take(std::string_view key, std::optional<SettingRange> range) {
        if (key == key_ && range) found = range;
    }

    std::string_view key_;
};

}  // namespace

std::optional<SettingRange> RangeOfKey(std::string_view key) {
    RangeFinder finder(key);
    const SettingsSet set;
    VisitSetFields(set, finder);
    VisitGlobalKeys(finder);
    return finder.found;
}

}  // namespace tavrik
