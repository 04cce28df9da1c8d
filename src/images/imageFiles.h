#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

// Images read from and written to files by name, in the format the extension names.

// A name taken apart: the extension as written and in upper case (with its dot; empty when
// there is none) and, when `withIndex`, the LGF image index written as ":n" before it (0 when
// none). File names keep their case; formats are told by the upper-case extension.
struct tImageName {
    std::string base;
    std::string written;
    std::string extension;
    int32_t index = 0;
};
tImageName splitImageName(std::string_view name, bool withIndex = true);

// "loadimage" (default extension ".LGF") and "loadbitmap" (".BMP"). Missing files fail
// erFileProblem, unreadable ones erImageFile with the extension.
tLogoImage* loadImageNamed(std::string_view name, const char* defaultExtension);

// Every image of an LGF file, in file order.
std::vector<tLogoRef<tLogoImage>> loadImageListNamed(std::string_view name);
// The LGF file's icon as a one-picture image; none when it has no icon.
tLogoImage* loadIconNamed(std::string_view name);

enum class tSaveMode { save, saveBitmap, append };
// "saveimage", "savebitmap" and "appendimage": `what` is an image, or for appending to an LGF
// file a list of images.
void saveImageNamed(std::string_view name, tlogoobject* what, tSaveMode mode);
