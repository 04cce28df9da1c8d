#pragma once

#include <string>

// The web page "saveforweb" writes: the project's title, a picture of its shown page (so that
// any browser shows what the project looks like), the web package for a browser that hands it
// to Zembrix, a link to the page that tells how, and the closing line. Words are Windows-1252:
// every other character than plain ASCII is written as a character reference, which reads the
// same in whatever character set the page declares.
struct tWebPageContent {
    std::string title;
    std::string packageFile;  // relative to the page
    std::string pictureData;  // PNG bytes, or empty
    int width = 0;
    int height = 0;
    std::string charset;
    std::string pluginPage;   // an address, or empty
    std::string bottomLine;   // written as it stands (it is the page's own HTML)
};

std::string webPageText(const tWebPageContent& content);
