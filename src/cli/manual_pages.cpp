#include "cli/manual_pages.h"

#include <array>
#include <sstream>

#include "engine/key_descriptions.h"
#include "formula/function_catalogue.h"
#include "settings/key_codes.h"

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

}  // namespace

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
            "<p>貼り付けや元に戻すのように後から加わった機能のキー（Ctrl+V、Shift+Insert、"
            "Ctrl+Z、Ctrl+Y、U・W・Y）は、それより前に作った設定ファイルでも、そのキーの行が"
            "無ければ表のとおりに働き、「キー」ページにも表示されます。そのキーの割り当てを"
            "削除してあれば、削除したままです。Ctrl と Shift を一緒に押したときは Ctrl の行の"
            "割り当てが働き、元に戻すキーに Shift を加えるとやり直しになります"
            "（Ctrl+Shift+Z）。</p>\n"
            "<p>記号のキーは、US 配列と JIS 配列で打たれる文字が違うときは両方を示します。"
            "JIS 配列の「;」キーと「:」キーは、どちらも「; (US)・; と : (JIS)」の行のキーです。"
            "「+」はどちらの配列でも「Shift + = (US)」の行、JIS 配列の「=」は"
            "「Shift + -」の行のキーです。</p>\n"
            "<p>マウスを使わないときは、Tab と Shift+Tab でパネルの中のコントロールを順に、"
            "F6 と Shift+F6 で次・前のパネルへ移ります。Menu キーか Shift+F10 で、フォーカスの"
            "あるコントロールのポップアップメニューが開きます。メニューは Alt+O（操作）、"
            "Alt+M（モード）、Alt+V（表示）、Alt+F（関数）、Alt+H（ヘルプ）で開きます。"
            "Ctrl と「+」「-」で倍率が変わり、Ctrl+0 で 100 % に戻ります。</p>\n"
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
        page << "<tr><td><kbd>" << Escaped(KeyName(index)) << "</kbd></td>";
        for (const std::string& cell : cells) page << "<td>" << Escaped(cell) << "</td>";
        page << "</tr>\n";
    }
    page << "</table>\n" << kPageEnd;
    return page.str();
}

}  // namespace tavrik::cli
