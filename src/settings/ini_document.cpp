#include "settings/ini_document.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "settings/name_case.h"

namespace tavrik {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsHeader(std::string_view line) {
    return Trim(line).starts_with('[');
}

// The name inside "[...]": up to the first "]", or to the end of the line when there is none.
std::string HeaderName(std::string_view line) {
    std::string_view inner = Trim(line).substr(1);
    inner = inner.substr(0, inner.find(']'));
    return std::string(Trim(inner));
}

bool IsBlank(std::string_view line) {
    return Trim(line).empty();
}

std::string_view KeyOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.starts_with(';')) return {};
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) return {};
    return Trim(trimmed.substr(0, equals));
}

std::string ValueOf(std::string_view line) {
    return std::string(Trim(line.substr(line.find('=') + 1)));
}

std::string SingleLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

}  // namespace

IniDocument::Line IniDocument::MakeLine(std::string text) {
    Line line{std::move(text), {}};
    const std::string_view key = KeyOf(line.text);
    if (!key.empty()) line.foldedKey = FoldCase(key);
    return line;
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument document;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        std::size_t endLength = 0;
        if (end != std::string_view::npos) endLength = text.substr(end).starts_with("\r\n") ? 2 : 1;
        text.remove_prefix(line.size() + endLength);

        if (IsHeader(line)) {
            std::string name = HeaderName(line);
            std::string folded = FoldCase(name);
            document.sections_.push_back(
                {std::string(line), std::move(name), std::move(folded), {}});
        } else {
            auto& lines =
                document.sections_.empty() ? document.preamble_ : document.sections_.back().lines;
            lines.push_back(MakeLine(std::string(line)));
        }
    }
    return document;
}

std::string IniDocument::Text() const {
    std::string text;
    const auto append = [&text](std::string_view line) {
        text += line;
        text += "\r\n";
    };
    for (const Line& line : preamble_) append(line.text);
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.lines) append(line.text);
    }
    return text;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string_view> seen;
    for (const Section& section : sections_) {
        if (seen.insert(section.foldedName).second) names.push_back(section.name);
    }
    return names;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view foldedName) const {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& s) { return s.foldedName == foldedName; });
    return found == sections_.end() ? nullptr : &*found;
}

IniDocument::Section* IniDocument::FindSection(std::string_view foldedName) {
    return const_cast<Section*>(std::as_const(*this).FindSection(foldedName));
}

std::vector<IniEntry> IniDocument::ReadSection(std::string_view section) const {
    std::vector<IniEntry> entries;
    if (const Section* found = FindSection(FoldCase(section))) {
        for (const Line& line : found->lines) {
            if (line.foldedKey.empty()) continue;
            entries.push_back({std::string(KeyOf(line.text)), ValueOf(line.text)});
        }
    }
    return entries;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    for (IniEntry& entry : ReadSection(section)) names.push_back(std::move(entry.name));
    return names;
}

std::optional<std::string> IniDocument::Read(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(FoldCase(section));
    if (!found) return std::nullopt;
    const std::string foldedKey = FoldCase(key);
    if (foldedKey.empty()) return std::nullopt;
    for (const Line& line : found->lines) {
        if (line.foldedKey == foldedKey) return ValueOf(line.text);
    }
    return std::nullopt;
}

IniDocument::Line IniDocument::EntryLine(std::string_view key, std::string_view value) {
    return MakeLine(SingleLine(key) + "=" + SingleLine(value));
}

IniDocument::Section& IniDocument::AddSection(std::string_view section, std::string foldedName) {
    auto& last = sections_.empty() ? preamble_ : sections_.back().lines;
    if (!last.empty() && !IsBlank(last.back().text)) last.push_back(MakeLine({}));
    const std::string name = SingleLine(section);
    sections_.push_back({"[" + name + "]", name, std::move(foldedName), {}});
    return sections_.back();
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
    Line line = EntryLine(key, value);
    if (line.foldedKey.empty()) return;  // not a key name (empty, or a comment)
    std::string foldedSection = FoldCase(section);
    Section* target = FindSection(foldedSection);
    if (!target) target = &AddSection(section, std::move(foldedSection));
    auto& lines = target->lines;
    const auto existing = std::find_if(
        lines.begin(), lines.end(), [&](const Line& l) { return l.foldedKey == line.foldedKey; });
    if (existing != lines.end()) {
        *existing = std::move(line);
        return;
    }
    const auto lastFilled =
        std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) { return !IsBlank(l.text); });
    lines.insert(lastFilled.base(), std::move(line));
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    Section* target = FindSection(FoldCase(section));
    if (!target) return;
    const std::string foldedKey = FoldCase(key);
    if (foldedKey.empty()) return;
    std::erase_if(target->lines, [&](const Line& line) { return line.foldedKey == foldedKey; });
}

void IniDocument::EraseSection(std::string_view section) {
    const std::string folded = FoldCase(section);
    std::erase_if(sections_, [&](const Section& s) { return s.foldedName == folded; });
}

void IniDocument::RewriteSection(std::string_view section, const std::vector<IniEntry>& entries,
                                 const std::function<bool(std::string_view foldedKey)>& owned) {
    std::vector<Line> written;
    std::unordered_map<std::string, std::size_t> writtenIndex;
    for (const IniEntry& entry : entries) {
        Line line = EntryLine(entry.name, entry.value);
        if (line.foldedKey.empty() || writtenIndex.contains(line.foldedKey)) continue;
        writtenIndex.emplace(line.foldedKey, written.size());
        written.push_back(std::move(line));
    }

    std::string folded = FoldCase(section);
    bool first = true;
    std::erase_if(sections_, [&](const Section& s) {
        if (s.foldedName != folded) return false;
        return !std::exchange(first, false);
    });
    Section* target = FindSection(folded);
    if (!target) target = &AddSection(section, std::move(folded));
    // A name changed only in letter case is written as it is spelled now.
    if (const std::string name = SingleLine(section); target->name != name) {
        target->name = name;
        target->header = "[" + name + "]";
    }

    // The kept lines that precede each written key, and those after the last one.
    // An owned key that is not written again (or a repeat of one) goes with
    // its line; what preceded it moves on to the next written key.
    std::vector<std::vector<Line>> before(written.size());
    std::vector<bool> placed(written.size(), false);
    std::vector<Line> pending;
    for (Line& line : target->lines) {
        if (line.foldedKey.empty() || !owned(line.foldedKey)) {
            pending.push_back(std::move(line));
            continue;
        }
        const auto found = writtenIndex.find(line.foldedKey);
        if (found == writtenIndex.end() || placed[found->second]) continue;
        placed[found->second] = true;
        before[found->second] = std::exchange(pending, {});
    }
    std::vector<Line> lines;
    for (std::size_t i = 0; i < written.size(); ++i) {
        std::move(before[i].begin(), before[i].end(), std::back_inserter(lines));
        lines.push_back(std::move(written[i]));
    }
    std::move(pending.begin(), pending.end(), std::back_inserter(lines));
    target->lines = std::move(lines);
}

}  // namespace tavrik
