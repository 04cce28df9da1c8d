#include "mainobj/system/systemOptions.h"

#include "language/Language.h"

namespace {

void renewFromLanguage()
{
    tSystemOptions& options = systemOptions();
    const std::string charset = getStr("system", "HTMLcharset", false);
    if (!charset.empty()) options.htmlCharset = charset;
    const std::string bottomLine = getStr("system", "HTMLbottomLine", false);
    if (!bottomLine.empty()) options.htmlBottomLine = bottomLine;
    const std::string pluginPage = uiString("strings", "pluginpage");
    if (!pluginPage.empty()) options.pluginPage = pluginPage;
}

}  // namespace

tSystemOptions& systemOptions()
{
    static tSystemOptions options;
    return options;
}

void setUpSystemOptions()
{
    static bool listening = false;
    systemOptions().homePage = uiString("strings", "HomePage");
    renewFromLanguage();
    if (!listening) onLanguageSwitched(&renewFromLanguage);
    listening = true;
}
