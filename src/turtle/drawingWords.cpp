#include "turtle/drawingWords.h"

#include <mutex>
#include <unordered_map>

#include "language/Language.h"
#include "language/PropertyNameRows.h"
#include "values/tlogoobject.h"

namespace {

struct tWordRow {
    const char* key;
    bool setter;  // the key is a property, named by its setters
    tDrawingKind kind;
};

constexpr tWordRow kWordRows[] = {
    {"penup", false, tDrawingKind::kPenUp},
    {"pendown", false, tDrawingKind::kPenDown},
    {"polygon", false, tDrawingKind::kPolygon},
    {"penColour", true, tDrawingKind::kPenColour},
    {"fillColour", true, tDrawingKind::kFillColour},
    {"fillPattern", true, tDrawingKind::kFillPattern},
    {"penWidth", true, tDrawingKind::kPenWidth},
    {"penPattern", true, tDrawingKind::kPenPattern},
    {"circle", false, tDrawingKind::kCircle},
    {"ellipse", false, tDrawingKind::kEllipse},
    {"filledcircle", false, tDrawingKind::kFilledCircle},
    {"filledellipse", false, tDrawingKind::kFilledEllipse},
    {"dot", false, tDrawingKind::kDot},
    {"point", false, tDrawingKind::kPoint},
    {"pos", true, tDrawingKind::kPos},
    {"heading", true, tDrawingKind::kHeading},
    {"outline", false, tDrawingKind::kOutline},
    {"drawspline", false, tDrawingKind::kSpline},
    {"drawvectors", false, tDrawingKind::kVectors},
    {"font", true, tDrawingKind::kFont},
    {"label", false, tDrawingKind::kLabel},
    {"label2", false, tDrawingKind::kLabel2},
    {"forward", false, tDrawingKind::kForward},
    {"back", false, tDrawingKind::kBack},
    {"right", false, tDrawingKind::kRight},
    {"left", false, tDrawingKind::kLeft},
    {"repeat", false, tDrawingKind::kRepeat},
};

// Name codes change with the language, so the table is built again after every switch.
std::mutex tableLock;
std::unordered_map<NameCode, tDrawingKind> table;

// The table is made without the lock, which is never held while the language is asked.
void build()
{
    std::unordered_map<NameCode, tDrawingKind> made;
    for (const tWordRow& row : kWordRows) {
        if (row.setter) {
            for (const tPropertyNameRow& names : buildPropertyNameRows({row.key}))
                for (const std::string& setter : names.setterNames) made.emplace(nameCode(setter), row.kind);
        } else {
            for (NameCode code : nameCodes(row.key)) made.emplace(code, row.kind);
        }
    }
    std::lock_guard<std::mutex> hold(tableLock);
    table = std::move(made);
}

}  // namespace

std::optional<tDrawingKind> drawingKindOf(tlogoobject* word)
{
    static std::once_flag listening;
    std::call_once(listening, [] {
        onLanguageSwitched(&build);
        build();
    });
    const NameCode code = word->NameCode();
    std::lock_guard<std::mutex> hold(tableLock);
    const auto found = table.find(code);
    if (found == table.end()) return std::nullopt;
    return found->second;
}
