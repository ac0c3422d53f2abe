// couchdeckart <assets folder>: writes Couchdeck's pictures and language files below the folder:
//   Resource\<notice>.bmp, Resource\ModeImage.bmp
//   LangFiles\ZyMultiLang.ini, LangFiles\<Language>\<Language>.ini and hibernate.txt
//   LangFiles\English\Kova Remote Setting.jpg and Kova Remote HID.jpg (the fallback for every
//   language)
#include "HelpArt.h"
#include "LangFiles.h"
#include "NoticeArt.h"

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: couchdeckart <assets folder>\n");
        return 2;
    }
    std::string root = argv[1];
    if (root.back() != '\\' && root.back() != '/')
        root += '\\';
    const std::string resource = root + "Resource\\";
    const std::string langFiles = root + "LangFiles\\";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(resource.c_str(), nullptr);

    using namespace kova::couchdeckart;
    const bool ok = WriteNotices(resource) && WriteModeImage(resource) &&
                    WriteLangFiles(langFiles) && WriteHelpPictures(langFiles + "English\\");
    if (!ok)
        return 1;
    std::printf("written below %s\n", root.c_str());
    return 0;
}
