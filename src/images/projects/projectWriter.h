#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

class tStream;

// The writing side of projects. This covers the main object's own state: its global variables
// and procedures, the stored save options and the property lists; objects and classes are not
// written yet.

// Images met while writing, numbered from 1 in order of first occurrence.
class tImageRegistry {
public:
    // The image's number, registering it when new; 0 for the default turtle image.
    int32_t Number(tLogoImage* image);
    const std::vector<tLogoRef<tLogoImage>>& Images() const { return images; }

private:
    std::vector<tLogoRef<tLogoImage>> images;
};

struct tProjectHeader {
    std::string language;  // empty for none
    std::string fileName;
    std::string date;      // "dd.mm.yyyy hh:mm:ss"
    std::string imageFile; // the separate image file's name, empty when images are inside
};

// The project text of a full save (lines end with CR LF), registering its images.
std::string mainProjectText(const tProjectHeader& header, uint8_t options, tImageRegistry& images);

// The decoded container: header, language and text chunks, then the images, the first
// registered last. `level` is the images' compression level.
void writeProjectContainer(tStream& stream, std::string_view language, std::string_view text,
                           const tImageRegistry& images, int level);
