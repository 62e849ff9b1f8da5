#include "settings/cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <memory>

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

std::string Convert(std::string_view input, UConverter* target, UConverter* source) {
    std::string output;
    if (input.empty()) return output;
    output.resize(input.size() * 3 + 16);
    char* out = output.data();
    const char* in = input.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(target, source, &out, output.data() + output.size(), &in,
                   input.data() + input.size(), nullptr, nullptr, nullptr, nullptr, true, true,
                   &status);
    if (U_FAILURE(status)) return {};
    output.resize(static_cast<std::size_t>(out - output.data()));
    return output;
}

}  // namespace

std::string Decode(std::string_view bytes) {
    ConverterPtr sjis = OpenConverter(kConverterName);
    ConverterPtr utf8 = OpenConverter("UTF-8");
    if (!sjis || !utf8) return {};
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(sjis.get(), SubstituteReplacementCharacter, nullptr, nullptr, nullptr,
                        &status);
    return Convert(bytes, utf8.get(), sjis.get());
}

std::string Encode(std::string_view utf8Text) {
    ConverterPtr sjis = OpenConverter(kConverterName);
    ConverterPtr utf8 = OpenConverter("UTF-8");
    if (!sjis || !utf8) return {};
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(sjis.get(), "?", 1, &status);
    return Convert(utf8Text, sjis.get(), utf8.get());
}

}  // namespace tavrik::cp932
