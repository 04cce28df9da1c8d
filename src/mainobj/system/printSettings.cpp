#include "mainobj/system/printSettings.h"

#include <iterator>
#include <vector>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tlogoobject.h"

namespace {

bool isParameter(tlogoobject* value, const char* key) { return value->IsWord() && isWord("param", key, value->WordView()); }

enum class tKey { kOrientation, kShowSetup, kJobName, kCopies, kNone };
constexpr const char* kKeys[] = {"orientation", "showsetup", "printjobname", "copies"};

tKey keyOf(tlogoobject* value)
{
    for (size_t k = 0; k < std::size(kKeys); ++k)
        if (isParameter(value, kKeys[k])) return static_cast<tKey>(k);
    return tKey::kNone;
}

tPrintOrientation orientationOf(tlogoobject* value)
{
    if (isParameter(value, "landscape")) return tPrintOrientation::kLandscape;
    if (isParameter(value, "portrait")) return tPrintOrientation::kPortrait;
    throw eLogoException(erBadValue, value);
}

}  // namespace

tPrintSettings readPrintSettings(tlogoobject* value)
{
    tPrintSettings settings;
    if (!value->IsList()) {
        settings.showDialog = value->AsBoolean();
        return settings;
    }
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
    for (size_t i = 0; i < parts.size(); i += 2) {
        const tKey key = keyOf(parts[i]);
        if (key == tKey::kNone) throw eLogoException(erBadValue, parts[i]);
        if (i + 1 == parts.size()) throw eLogoException(erEvenNumber, value);
        tlogoobject* given = parts[i + 1];
        switch (key) {
        case tKey::kOrientation: settings.orientation = orientationOf(given); break;
        case tKey::kShowSetup: settings.showDialog = given->AsBoolean(); break;
        case tKey::kJobName: settings.jobName = given->PrintText(0); break;
        case tKey::kCopies: settings.copies = given->AsIntegerIn(1, 99); break;
        case tKey::kNone: break;
        }
    }
    return settings;
}
