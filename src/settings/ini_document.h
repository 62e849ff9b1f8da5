// The text of an INI file with the semantics of the Windows profile-string
// functions: "[Section]" lines and "Key=Value" lines, names compared without
// regard to case, the value being the text after the first "=" with the
// surrounding blanks removed. Writing changes only the lines it must, so other
// sections, unknown keys, comments and blank lines keep their text and order.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

struct IniEntry {
    std::string name;
    std::string value;
};

class IniDocument {
  public:
    // Lines end with CR LF, LF or CR alone; the text is UTF-8.
    static IniDocument Parse(std::string_view text);

    // Every line followed by CR LF.
    std::string Text() const;

    // The section names in file order, each name once (the first spelling).
    std::vector<std::string> SectionNames() const;

    // The Key=Value lines of the section in file order. When a section name
    // occurs more than once, the first such section is the one read and written.
    std::vector<IniEntry> ReadSection(std::string_view section) const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // Replaces the first line of the key in place; a new key goes after the
    // last non-blank line of its section, a new section at the end of the
    // file. Line breaks inside the value are written as blanks.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines.
    void EraseSection(std::string_view section);
    // Puts `entries`, in their order, in place of every line of a key that
    // `owned` names, keeping the section's place in the file (a later section
    // of the same name goes). Every other line (a comment, a blank line, a key
    // of another owner) stays in front of the written key it preceded, or at
    // the end when no written key followed it. A missing section is added as
    // Write adds one; a section spelled otherwise takes the spelling given.
    void RewriteSection(std::string_view section, const std::vector<IniEntry>& entries,
                        const std::function<bool(std::string_view foldedKey)>& owned);

  private:
    struct Line {
        std::string text;
        std::string foldedKey;  // empty unless the line is a Key=Value line
    };
    struct Section {
        std::string header;  // the "[...]" line as written
        std::string name;
        std::string foldedName;
        std::vector<Line> lines;
    };

    static Line MakeLine(std::string text);
    static Line EntryLine(std::string_view key, std::string_view value);
    Section& AddSection(std::string_view section, std::string foldedName);
    const Section* FindSection(std::string_view foldedName) const;
    Section* FindSection(std::string_view foldedName);

    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace tavrik
