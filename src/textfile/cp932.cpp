#include "textfile/cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "textfile/cp932_decoded.h"
#include "textfile/cp932_layout.h"

namespace tavrik::cp932 {
namespace {

// ICU's name for the Windows variant of Shift-JIS (0x5C is "\", 0x8160 is "～").
constexpr const char* kConverterName = "windows-31j";

constexpr UChar kReplacementCharacter = 0xFFFD;

// The bytes decoded between two adjustments of the decoded text's length.
constexpr std::size_t kDecodePiece = 4096;

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

// The decoding of every one- and two-byte sequence, taken from the converter
// when the program is built: decoding is a table look-up per character, and
// start-up never opens the converter or its data.
std::optional<std::string> DecodeByTable(std::string_view bytes) {
    std::string out;
    // Room for text that is mostly two-byte characters (three bytes of UTF-8
    // each); more Latin text needs less, half-width katakana more.
    out.reserve(bytes.size() + bytes.size() / 2);
    // A piece at a time into a buffer of the piece's worst case (three bytes
    // of UTF-8 a byte), appended as written: no room cleared in `out` first.
    std::array<char, kDecodePiece * 3 + 3> piece;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t pieceEnd = std::min(bytes.size(), i + kDecodePiece);
        char* o = piece.data();
        for (; i < pieceEnd; ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < kAsciiCount) {
                *o++ = static_cast<char>(kAsciiDecoded[b]);
                continue;
            }
            char32_t c = 0;
            if (!IsLeadByte(b)) {
                c = kHighSingleDecoded[b - kAsciiCount];
            } else if (i + 1 < bytes.size()) {
                const auto trail = static_cast<unsigned char>(bytes[i + 1]);
                if (trail >= kFirstTrail && trail <= kLastTrail)
                    c = kDoubleDecoded[DoubleIndex(b, trail)];
                ++i;
            }
            if (c == 0) return std::nullopt;
            o = AppendUtf8(o, c);
        }
        out.append(piece.data(), static_cast<std::size_t>(o - piece.data()));
    }
    return out;
}

std::optional<std::string> Decode(std::string_view bytes) {
    // Only text holding bytes that are no character needs the converter,
    // which marks them.
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

// The converters open with the first text, so that an encoder that is never
// used (the log while it is off) never loads them.
bool Encoder::open() {
    if (opened_) return sjis_ && utf8_;
    opened_ = true;
    UErrorCode status = U_ZERO_ERROR;
    sjis_.reset(ucnv_open(kConverterName, &status));
    utf8_.reset(ucnv_open("UTF-8", &status));
    if (U_SUCCESS(status)) ucnv_setSubstChars(sjis_.get(), "?", 1, &status);
    if (U_FAILURE(status)) sjis_.reset();
    return sjis_ && utf8_;
}

bool Encoder::append(std::string_view utf8Text, std::string& out) {
    if (utf8Text.empty()) return true;
    return open() && ConvertAppend(utf8Text, sjis_.get(), utf8_.get(), out);
}

}  // namespace tavrik::cp932
