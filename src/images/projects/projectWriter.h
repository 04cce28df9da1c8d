#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

class tStream;
class tTabDesc;
class tlogoobject;
class tmultiobject;

// The writing side of projects: the main object's global variables and procedures, the stored
// save options, the objects and classes (objectWriter) and the property lists.

// Images met while writing, numbered from 1 in order of first occurrence.
class tImageRegistry {
public:
    // The image's number, registering it when new; 0 for the default turtle image.
    int32_t Number(tLogoImage* image);
    const std::vector<tLogoRef<tLogoImage>>& Images() const { return images; }

private:
    std::vector<tLogoRef<tLogoImage>> images;
};

// The instruction that gives image n of a loading project's table.
std::string loadImageCall(int32_t number);
// Whether the value is an image or a list with an image somewhere inside.
bool holdsImage(tlogoobject* value);
// A value as an instruction's input: images as their load call, lists holding images as the
// list with empty lists in their places and "deepreplace" calls that put them back, words
// quoted, anything else in its source form.
std::string inputText(tlogoobject* value, tImageRegistry& images);
// Whether a table entry belongs in a project (not marked unsaved, automatic or built in).
bool savedEntry(const tTabDesc* entry);

struct tProjectHeader {
    std::string language;  // empty for none
    std::string fileName;
    std::string date;      // "dd.mm.yyyy hh:mm:ss"
    std::string imageFile; // the separate image file's name, empty when images are inside
};

// The project text of a full save (lines end with CR LF), registering its images.
std::string mainProjectText(const tProjectHeader& header, uint8_t options, tImageRegistry& images);
// What a partial save writes: objects with what they hold, then global variables.
struct tSaveSelection {
    std::vector<tmultiobject*> objects;
    std::vector<uint32_t> variables;  // name codes
    // Set for a copy ("clone"): the objects are written as new ones, even those every program
    // has, and the first is made under this name (replacing an object that has it), or under
    // the next free name after its own when the name is empty.
    std::optional<std::string> copyName;
};

// The project text of a partial save; nothing else of the main object. A named variable that
// has no value fails erNoVal.
std::string partialProjectText(const tProjectHeader& header, const tSaveSelection& selection,
                               tImageRegistry& images);

// The decoded container: header, language and text chunks, then the images, the first
// registered last. `level` is the images' compression level.
void writeProjectContainer(tStream& stream, std::string_view language, std::string_view text,
                           const tImageRegistry& images, int level);
