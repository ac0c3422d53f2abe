#include "LangFiles.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

// The texts below are UTF-8 in this source; the files get the code page of their language.

namespace kova::couchdeckart {
namespace {

struct Translation {
    const char* id;
    const char* text;
};

struct Language {
    const char* name;
    std::vector<const char*> ids;   // keys of "Languages": full and primary language ids
    UINT codePage;
    std::vector<Translation> translations;
    const char* hibernateText;
};

const Language kLanguages[] = {
    {"English",
     {"0409", "09"},
     1252,
     {{"Ok", "OK"},
      {"Active_Power_Property", "Open Power Options"},
      {"Never_Show", "Do not show this message again"}},
     "Hibernation is not ready on this computer.\n"
     "\n"
     "Kova Remote can send the computer into hibernation with the POWER key, but Windows has "
     "no hibernation file yet, so hibernation would fail.\n"
     "\n"
     "To make hibernation ready:\n"
     "1. Leave \"Open Power Options\" ticked and press OK.\n"
     "2. On the \"Hibernate\" tab, tick \"Enable hibernate support\".\n"
     "3. Press OK. Windows then creates the hibernation file on the system drive.\n"
     "\n"
     "If you do not use hibernation, tick \"Do not show this message again\".\n"},
    {"German",
     {"0407", "07"},
     1252,
     {{"Ok", "OK"},
      {"Active_Power_Property", "Energieoptionen öffnen"},
      {"Never_Show", "Diese Meldung nicht mehr zeigen"}},
     "Der Ruhezustand ist auf diesem Computer noch nicht bereit.\n"
     "\n"
     "Kova Remote kann den Computer mit der POWER-Taste in den Ruhezustand versetzen, doch "
     "Windows hat noch keine Ruhezustandsdatei; der Ruhezustand würde daher scheitern.\n"
     "\n"
     "So wird der Ruhezustand bereit:\n"
     "1. Lassen Sie \"Energieoptionen öffnen\" angekreuzt und drücken Sie OK.\n"
     "2. Kreuzen Sie auf der Registerkarte \"Ruhezustand\" das Feld \"Ruhezustand "
     "aktivieren\" an.\n"
     "3. Drücken Sie OK. Windows legt dann die Ruhezustandsdatei auf dem Systemlaufwerk an.\n"
     "\n"
     "Wenn Sie den Ruhezustand nicht nutzen, kreuzen Sie \"Diese Meldung nicht mehr zeigen\" "
     "an.\n"},
    {"Japanese",
     {"0411", "11"},
     932,
     {{"Ok", "OK"},
      {"Active_Power_Property", "電源オプションを開く"},
      {"Never_Show", "今後このメッセージを表示しない"}},
     "このコンピュータでは休止状態の準備ができていません。\n"
     "\n"
     "Kova Remote は POWER キーでコンピュータを休止状態にできますが、"
     "Windows にまだ休止状態ファイルがないため、休止状態に失敗します。\n"
     "\n"
     "休止状態を使えるようにするには:\n"
     "1. 「電源オプションを開く」をオンのまま OK を押します。\n"
     "2. 「休止状態」タブで「休止状態を有効にする」をオンにします。\n"
     "3. OK を押します。Windows がシステム ドライブに休止状態ファイルを作成します。\n"
     "\n"
     "休止状態を使わない場合は「今後このメッセージを表示しない」をオンにしてください。\n"},
};

// UTF-8 to the code page, with CR LF line ends; false when a character has no equivalent.
bool Encode(const std::string& utf8, UINT codePage, std::string& out)
{
    std::string text;
    for (char c : utf8) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0);
    if (wideLength <= 0)
        return false;
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        wideLength);
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           wideLength, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    out.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(),
                        length, nullptr, &lossy);
    return !lossy;
}

bool WriteEncoded(const std::string& path, const std::string& utf8, UINT codePage)
{
    std::string bytes;
    if (!Encode(utf8, codePage, bytes)) {
        std::fprintf(stderr, "cannot encode %s in code page %u\n", path.c_str(), codePage);
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file)
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return static_cast<bool>(file);
}

} // namespace

bool WriteLangFiles(const std::string& langFiles)
{
    CreateDirectoryA(langFiles.c_str(), nullptr);
    std::string list = "[Languages]\n";
    for (const Language& language : kLanguages)
        for (const char* id : language.ids)
            list += std::string(id) + "=" + language.name + "\n";
    if (!WriteEncoded(langFiles + "ZyMultiLang.ini", list, 1252))
        return false;

    for (const Language& language : kLanguages) {
        const std::string folder = langFiles + language.name + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string ini = "[Translations]\n";
        for (const Translation& t : language.translations)
            ini += std::string(t.id) + "=" + t.text + "\n";
        if (!WriteEncoded(folder + language.name + ".ini", ini, language.codePage) ||
            !WriteEncoded(folder + "hibernate.txt", language.hibernateText, language.codePage))
            return false;
    }
    return true;
}

} // namespace kova::couchdeckart
