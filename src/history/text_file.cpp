#include "history/text_file.h"

namespace tavrik {

bool AppendFile::open(const std::filesystem::path& path) {
    file_.reset(std::fopen(path.c_str(), "ab"));
    return isOpen();
}

void AppendFile::addLine(std::string_view utf8) {
    pending_ += utf8;
    pending_ += "\r\n";
}

bool AppendFile::write() {
    bytes_.clear();
    const bool encoded = encoder_.append(pending_, bytes_);
    pending_.clear();
    if (!file_ || !encoded) return false;
    const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), file_.get()) == bytes_.size();
    return std::fflush(file_.get()) == 0 && written;
}

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    const std::string text = cp932::Decode(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
        lines.push_back(text.substr(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace tavrik
