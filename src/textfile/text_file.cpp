#include "textfile/text_file.h"

#include "textfile/cp932.h"

namespace tavrik {

bool AppendFile::open(const std::filesystem::path& path) {
    file_.reset(std::fopen(path.c_str(), "ab"));
    return isOpen();
}

bool AppendFile::writeLine(std::string_view utf8) {
    if (!file_) return false;
    const std::string bytes = cp932::Encode(utf8) + "\r\n";
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) == bytes.size();
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
