#include "settings/cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tavrik::cp932 {
namespace {

// ICU's name for the Windows variant of Shift-JIS (0x5C is "\", 0x8160 is "～").
constexpr const char* kConverterName = "windows-31j";

constexpr UChar kReplacementCharacter = 0xFFFD;

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr OpenConverter(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open(name, &status));
    if (U_FAILURE(status)) return nullptr;
    return converter;
}

// The converter's own substitute for undecodable single bytes is U+001A, a
// control character; U+FFFD makes damaged text visible as such.
void SubstituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* status) {
    if (reason > UCNV_IRREGULAR) return;
    *status = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &kReplacementCharacter, 1, 0, status);
}

// Appends the converted input to `output`; false, with `output` as it was,
// when the conversion fails.
bool ConvertAppend(std::string_view input, UConverter* target, UConverter* source,
                   std::string& output) {
    if (input.empty()) return true;
    const std::size_t start = output.size();
    output.resize(start + input.size() * 3 + 16);
    char* out = output.data() + start;
    const char* in = input.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(target, source, &out, output.data() + output.size(), &in,
                   input.data() + input.size(), nullptr, nullptr, nullptr, nullptr, true, true,
                   &status);
    output.resize(U_FAILURE(status) ? start : static_cast<std::size_t>(out - output.data()));
    return U_SUCCESS(status);
}

std::optional<std::string> Convert(std::string_view input, UConverter* target, UConverter* source) {
    std::string output;
    if (!ConvertAppend(input, target, source, output)) return std::nullopt;
    return output;
}

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Writes the UTF-8 form of a character of the Basic Multilingual Plane.
char* AppendUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// ICU's decoding of every one- and two-byte sequence, asked once and kept:
// decoding a file is then a table look-up per character. Zero marks a
// sequence that is not one whole character; such input goes to ICU itself.
// Even the bytes below 0x80 are looked up: the code page swaps some controls.
class DecodeTable {
  public:
    DecodeTable() {
        // Every sequence followed by a line feed, decoded in one call: a line
        // feed is never part of a sequence, so each ends at its own.
        std::string sequences;
        std::vector<char32_t*> targets;
        for (unsigned b = 0x80; b <= 0xFF; ++b) {
            if (IsLeadByte(static_cast<unsigned char>(b))) continue;
            sequences += static_cast<char>(b);
            sequences += '\n';
            targets.push_back(&single_[b - 0x80]);
        }
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                sequences += static_cast<char>(lead);
                sequences += static_cast<char>(trail);
                sequences += '\n';
                targets.push_back(&double_[Index(lead, trail)]);
            }
        }
        ConverterPtr sjis = OpenConverter(kConverterName);
        if (!sjis || !fillAscii(sjis.get())) return;
        std::vector<UChar> text(sequences.size() + 16);
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            ucnv_toUChars(sjis.get(), text.data(), static_cast<int32_t>(text.size()),
                          sequences.data(), static_cast<int32_t>(sequences.size()), &status);
        if (U_FAILURE(status)) return;
        std::size_t target = 0;
        std::size_t start = 0;
        for (int32_t i = 0; i < length && target < targets.size(); ++i) {
            if (text[i] != u'\n') continue;
            const std::size_t count = static_cast<std::size_t>(i) - start;
            const UChar c = text[start];
            // One character of the Basic Multilingual Plane, not a substitute.
            if (count == 1 && c != 0xFFFD && c != 0x1A && (c < 0xD800 || c > 0xDFFF))
                *targets[target] = c;
            ++target;
            start = static_cast<std::size_t>(i) + 1;
        }
        ready_ = target == targets.size();
    }

    // The decoded text; nothing when a sequence is not in the table.
    std::optional<std::string> decode(std::string_view bytes) const {
        if (!ready_) return std::nullopt;
        // ASCII stays one byte; any other byte, or pair of bytes, gives at
        // most three bytes of UTF-8.
        std::size_t bound = bytes.size();
        for (const char b : bytes) bound += static_cast<unsigned char>(b) >= 0x80 ? 2 : 0;
        std::string out(bound, '\0');
        char* o = out.data();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80) {
                *o++ = ascii_[b];
                continue;
            }
            char32_t c = 0;
            if (!IsLeadByte(b)) {
                c = single_[b - 0x80];
            } else if (i + 1 < bytes.size()) {
                const auto trail = static_cast<unsigned char>(bytes[i + 1]);
                if (trail >= 0x40 && trail <= 0xFC) c = double_[Index(b, trail)];
                ++i;
            }
            if (c == 0) return std::nullopt;
            o = AppendUtf8(o, c);
        }
        out.resize(static_cast<std::size_t>(o - out.data()));
        return out;
    }

  private:
    // Each byte below 0x80 is one character; the table holds them only when
    // every one of them stays below 0x80, as the output size bound assumes.
    bool fillAscii(UConverter* sjis) {
        std::array<char, kAsciiCount> bytes{};
        for (std::size_t b = 0; b < kAsciiCount; ++b) bytes[b] = static_cast<char>(b);
        std::array<UChar, kAsciiCount> text{};
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            ucnv_toUChars(sjis, text.data(), kAsciiCount, bytes.data(), kAsciiCount, &status);
        if (U_FAILURE(status) || length != kAsciiCount) return false;
        for (std::size_t b = 0; b < kAsciiCount; ++b) {
            if (text[b] >= kAsciiCount) return false;
            ascii_[b] = static_cast<char>(text[b]);
        }
        ucnv_reset(sjis);
        return true;
    }

    static std::size_t Index(unsigned lead, unsigned trail) {
        const unsigned row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
        return row * 189 + (trail - 0x40);
    }

    static constexpr int32_t kAsciiCount = 0x80;

    bool ready_ = false;
    std::array<char, kAsciiCount> ascii_{};
    std::array<char32_t, 128> single_{};
    std::array<char32_t, 60 * 189> double_{};
};

}  // namespace

std::optional<std::string> DecodeByConverter(std::string_view bytes) {
    ConverterPtr sjis = OpenConverter(kConverterName);
    ConverterPtr utf8 = OpenConverter("UTF-8");
    if (!sjis || !utf8) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(sjis.get(), SubstituteReplacementCharacter, nullptr, nullptr, nullptr,
                        &status);
    if (U_FAILURE(status)) return std::nullopt;
    return Convert(bytes, utf8.get(), sjis.get());
}

std::optional<std::string> DecodeByTable(std::string_view bytes) {
    static const DecodeTable table;
    return table.decode(bytes);
}

std::optional<std::string> Decode(std::string_view bytes) {
    // Filling the table costs about as much as converting 100 KB: small
    // files (the settings at start-up) go to the converter directly.
    constexpr std::size_t kTableWorthwhile = 100 * 1024;
    if (bytes.size() < kTableWorthwhile) return DecodeByConverter(bytes);
    if (auto text = DecodeByTable(bytes)) return text;
    return DecodeByConverter(bytes);
}

std::string Encode(std::string_view utf8Text) {
    std::string bytes;
    if (!Encoder().append(utf8Text, bytes)) return {};
    return bytes;
}

void Encoder::Closer::operator()(UConverter* converter) const {
    ucnv_close(converter);
}

Encoder::Encoder() {
    UErrorCode status = U_ZERO_ERROR;
    sjis_.reset(ucnv_open(kConverterName, &status));
    utf8_.reset(ucnv_open("UTF-8", &status));
    if (U_SUCCESS(status)) ucnv_setSubstChars(sjis_.get(), "?", 1, &status);
    if (U_FAILURE(status)) sjis_.reset();
}

bool Encoder::append(std::string_view utf8Text, std::string& out) {
    return sjis_ && utf8_ && ConvertAppend(utf8Text, sjis_.get(), utf8_.get(), out);
}

}  // namespace tavrik::cp932
