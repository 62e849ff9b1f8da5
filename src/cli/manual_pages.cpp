#include "cli/manual_pages.h"

#include <array>
#include <map>
#include <sstream>

#include "engine/button_codes.h"
#include "engine/key_descriptions.h"
#include "formula/function_catalogue.h"

namespace tavrik::cli {

namespace {

constexpr std::array kModes = {CalcMode::Decimal, CalcMode::Mixed, CalcMode::Time, CalcMode::Date};

// Shared with the hand-written pages of docs/manual.
std::string PageHead(std::string_view title) {
    return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head><meta charset=\"utf-8\"><title>Tavrik – " +
           std::string(title) +
           "</title><link rel=\"stylesheet\" href=\"style.css\"></head>\n<body>\n"
           "<nav><a href=\"index.html\">目次</a><a href=\"decimal.html\">10進</a><a "
           "href=\"mixed.html\">混合</a><a href=\"time.html\">時間</a><a "
           "href=\"date.html\">日付</a><a href=\"formula.html\">式パネル</a><a "
           "href=\"history.html\">履歴</a><a href=\"settings.html\">設定</a><a "
           "href=\"keyboard.html\">キーボード</a><a href=\"functions.html\">関数一覧</a><a "
           "href=\"window.html\">ウィンドウ</a></nav>\n<h1>" +
           std::string(title) + "</h1>\n";
}

constexpr std::string_view kPageEnd = "</body>\n</html>\n";

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

// Names of the virtual keys that are not a letter or digit; a punctuation
// key is named by its unshifted character on a Japanese keyboard.
const std::map<int, std::string_view>& SpecialKeyNames() {
    static const std::map<int, std::string_view> kNames = {
        {8, "BackSpace"},    {9, "Tab"},          {13, "Enter"},       {27, "Esc"},
        {32, "Space"},       {33, "PageUp"},      {34, "PageDown"},    {35, "End"},
        {36, "Home"},        {37, "←"},           {38, "↑"},           {39, "→"},
        {40, "↓"},           {45, "Insert"},      {46, "Delete"},      {106, "テンキー *"},
        {107, "テンキー +"}, {109, "テンキー -"}, {110, "テンキー ."}, {111, "テンキー /"},
        {186, ":"},          {187, ";"},          {188, ","},          {189, "-"},
        {190, "."},          {191, "/"},          {192, "@"},          {219, "["},
        {220, "\\"},         {221, "]"},          {222, "^"},          {226, "\\ (ろ)"},
    };
    return kNames;
}

constexpr int kNumpad0 = 96, kNumpad9 = 105, kF1 = 112, kF24 = 135;

std::string CodeName(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return std::string(1, static_cast<char>(code));
    if (code >= kNumpad0 && code <= kNumpad9) return "テンキー " + std::to_string(code - kNumpad0);
    if (code >= kF1 && code <= kF24)
        return std::string(1, 'F').append(std::to_string(code - kF1 + 1));
    const auto& names = SpecialKeyNames();
    if (const auto found = names.find(code); found != names.end())
        return std::string(found->second);
    return std::string(1, '#').append(std::to_string(code));
}

}  // namespace

std::string ReadableKeyName(int index) {
    if (index > kShiftKeyOffset) return "Shift + " + CodeName(index - kShiftKeyOffset);
    if (index > kCtrlKeyOffset) return "Ctrl + " + CodeName(index - kCtrlKeyOffset);
    return CodeName(index);
}

std::string FunctionCataloguePage() {
    std::ostringstream page;
    page << PageHead("関数一覧")
         << "<p>10進モードでは A〜F のキーに関数を割り当てられます。どの関数をどのキーに置くかは"
            "設定ダイアログの「関数（選択）」で、関数の表示名（キーの文字）は「関数（定義）」と"
            "設定ファイルの FT101〜FT200 で決めます。表示名を付けていない関数は"
            "「F#128 (f128)」のように表示されます。x は表示中の値（二項の関数では最初の値）、"
            "y は二つ目の値です。二項の関数は、x を表示してキーを押し、y を入力して「=」を"
            "押します。</p>\n<table><tr><th>番号</th><th>名前</th><th>計算すること</th></tr>\n";
    for (const CatalogueEntry& entry : FunctionCatalogue())
        page << "<tr><td>F#" << entry.code << "</td><td>" << Escaped(entry.name) << "</td><td>"
             << Escaped(entry.description) << "</td></tr>\n";
    page << "</table>\n" << kPageEnd;
    return page.str();
}

std::string KeyboardPage(const KeyTable& keys) {
    std::ostringstream page;
    page << PageHead("キーボード")
         << "<p>キーボードのキーは、モードごとに電卓のキーへ割り当てられます。キーは離したときに"
            "一度だけ働き、押したときの Shift・Ctrl がそのまま使われます。割り当ては設定"
            "ダイアログの「キー」ページで変えられます。下の表は、最初の設定ファイル "
            "TavrikS.ini が割り当てるすべてのキーです。10進モードの A〜F は、そのとき"
            "選んでいる関数グループの関数キーです。</p>\n"
            "<table><tr><th>キー</th><th>10進</th><th>混合</th><th>時間</th><th>日付</th></tr>\n";
    for (int index = 0; index < kKeyTableSize; ++index) {
        std::array<std::string, kModes.size()> cells;
        bool assigned = false;
        for (std::size_t m = 0; m < kModes.size(); ++m) {
            const int code = CodeOfKeyTableChar(AssignedKeyChar(keys, index, static_cast<int>(m)));
            if (code == 0) continue;
            assigned = true;
            cells[m] = kModes[m] == CalcMode::Decimal && code >= kKeyA && code <= kKeyF
                           ? std::string("関数キー ") + KeyCodeChar(code)
                           : std::string(FixedKeyDescription(kModes[m], code));
        }
        if (!assigned) continue;
        page << "<tr><td><kbd>" << Escaped(ReadableKeyName(index)) << "</kbd></td>";
        for (const std::string& cell : cells) page << "<td>" << Escaped(cell) << "</td>";
        page << "</tr>\n";
    }
    page << "</table>\n" << kPageEnd;
    return page.str();
}

}  // namespace tavrik::cli
