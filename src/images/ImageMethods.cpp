#include "images/ImageMethods.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "images/imageBuilding.h"
#include "images/imageTransforms.h"
#include "interpreter/ValueForEach.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/registration.h"
#include "values/strictOption.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoTab.h"
#include "values/tPasProcDesc.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

tLogoImage& self(tlogoobject& receiver) { return static_cast<tLogoImage&>(receiver); }

std::vector<tFrameRef> slice(const tLogoImage& image, int32_t from, int32_t count)
{
    const auto begin = image.frames.begin() + (from - 1);
    return {begin, begin + count};
}

// The empty image answers "first" and its kin with itself, or fails under the strict option.
void requireFrames(tLogoImage& image)
{
    if (image.frames.empty() && strictLevel() > 0) throw eLogoException(erEmptyList, &image);
}

tlogoobject* first(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    requireFrames(image);
    return withFrames(image, slice(image, 1, std::min(image.Count(), 1)));
}

tlogoobject* last(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    requireFrames(image);
    return withFrames(image, slice(image, std::max(image.Count(), 1), std::min(image.Count(), 1)));
}

tlogoobject* butFirst(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    requireFrames(image);
    return withFrames(image, image.Count() < 2 ? std::vector<tFrameRef>{} : slice(image, 2, image.Count() - 1));
}

tlogoobject* butLast(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    requireFrames(image);
    return withFrames(image, slice(image, 1, std::max(image.Count() - 1, 0)));
}

int32_t count(tlogoobject& receiver) { return self(receiver).Count(); }

tlogoobject* joined(const tLogoImage& receiver, const tLogoImage& front, const tLogoImage& back)
{
    tLogoImage* result = withFrames(receiver, front.frames);
    result->frames.insert(result->frames.end(), back.frames.begin(), back.frames.end());
    mergeInfo(*result, &receiver == &front ? back : front);
    return result;
}

tlogoobject* fput(tlogoobject& receiver, tlogoobject* x) { return joined(self(receiver), imageInput(x), self(receiver)); }
tlogoobject* lput(tlogoobject& receiver, tlogoobject* x) { return joined(self(receiver), self(receiver), imageInput(x)); }

tlogoobject* item(tlogoobject& receiver, tlogoobject* index)
{
    tLogoImage& image = self(receiver);
    std::vector<tFrameRef> frames;
    for (const tFrameRun& run : frameRuns(index)) {
        const tFrameRun fitted = fittedRun(run, image.Count(), index);
        const std::vector<tFrameRef> more = slice(image, fitted.from, fitted.count);
        frames.insert(frames.end(), more.begin(), more.end());
    }
    return withFrames(image, std::move(frames));
}

// The run an index of "butitem" or "replace" names: n or [from count].
tFrameRun singleRun(const tLogoImage& image, tlogoobject* index)
{
    const std::vector<tFrameRun> runs = frameRuns(index);
    if (runs.size() != 1) throw eLogoException(erExpectList2, index);
    return fittedRun(runs[0], image.Count(), index);
}

tlogoobject* spliced(const tLogoImage& image, tFrameRun run, const std::vector<tFrameRef>& inserted)
{
    std::vector<tFrameRef> frames = slice(image, 1, run.from - 1);
    frames.insert(frames.end(), inserted.begin(), inserted.end());
    const int32_t after = run.from - 1 + run.count;
    frames.insert(frames.end(), image.frames.begin() + after, image.frames.end());
    return withFrames(image, std::move(frames));
}

tlogoobject* butItem(tlogoobject& receiver, tlogoobject* index)
{
    tLogoImage& image = self(receiver);
    if (image.frames.empty()) {
        fittedRun(frameRuns(index).front(), 0, index);
        return &image;
    }
    return spliced(image, singleRun(image, index), {});
}

tlogoobject* replace(tlogoobject& receiver, tlogoobject* index, tlogoobject* x)
{
    tLogoImage& image = self(receiver);
    const tLogoImage& replacement = imageInput(x);
    if (image.frames.empty()) {
        fittedRun(frameRuns(index).front(), 0, index);
        return withFrames(image, replacement.frames);
    }
    tLogoImage* result = static_cast<tLogoImage*>(spliced(image, singleRun(image, index), replacement.frames));
    mergeInfo(*result, replacement);
    return result;
}

tlogoobject* pick(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    requireFrames(image);
    if (image.frames.empty()) return &image;
    return withFrames(image, slice(image, randomInRange(1, image.Count()), 1));
}

tlogoobject* shuffle(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    std::vector<tFrameRef> work = image.frames;
    std::vector<tFrameRef> shuffled;
    for (int32_t j = image.Count() - 1; j >= 0; --j) {
        const int32_t r = j == 0 ? 0 : randomInRange(0, j - 1);
        shuffled.push_back(work[r]);
        work[r] = work[j];
    }
    return withFrames(image, std::move(shuffled));
}

tlogoobject* reverse(tlogoobject& receiver)
{
    tLogoImage& image = self(receiver);
    return withFrames(image, {image.frames.rbegin(), image.frames.rend()});
}

// The 1-based position of X's frames as a contiguous run, 0 when absent; 1 for the empty X.
int32_t member(tlogoobject& receiver, tlogoobject* x)
{
    const auto& frames = self(receiver).frames;
    const auto& wanted = imageInput(x).frames;
    const auto found = std::search(frames.begin(), frames.end(), wanted.begin(), wanted.end());
    return found == frames.end() && !wanted.empty() ? 0 : static_cast<int32_t>(found - frames.begin()) + 1;
}

bool isMember(tlogoobject& receiver, tlogoobject* x) { return member(receiver, x) > 0; }

tlogoobject* butMember(tlogoobject& receiver, tlogoobject* x)
{
    tLogoImage& image = self(receiver);
    const tLogoImage& other = imageInput(x);
    if (other.frames.empty()) return &image;
    std::vector<tFrameRef> frames;
    std::copy_if(image.frames.begin(), image.frames.end(), std::back_inserter(frames),
                 [&](const tFrameRef& frame) { return frame != other.frames.front(); });
    return withFrames(image, std::move(frames));
}

tlogoobject* fromMember(tlogoobject& receiver, tlogoobject* x)
{
    tLogoImage& image = self(receiver);
    const tLogoImage& other = imageInput(x);
    if (other.frames.empty()) return withFrames(image, image.frames);
    const auto found = std::find(image.frames.begin(), image.frames.end(), other.frames.front());
    return withFrames(image, {found == image.frames.end() ? found : found + 1, image.frames.end()});
}

tlogoobject* forEach(tlogoobject& receiver, tlogoobject* name, tlogoobject* instructions)
{
    tLogoImage& image = self(receiver);
    tListBuilder frames;
    for (const tFrameRef& frame : image.frames) frames.Append(withFrames(image, {frame}));
    tLogoRef<tLogoList> list(frames.Take());
    forEachListElement(*list, name->NameCode(), instructions);
    return nullptr;
}

bool equals(tlogoobject& receiver, tlogoobject* x) { return receiver.Equals(x); }
bool differs(tlogoobject& receiver, tlogoobject* x) { return !receiver.Equals(x); }

tlogoobject* pair(int32_t a, int32_t b)
{
    tListBuilder list;
    list.Append(NewInteger(a));
    list.Append(NewInteger(b));
    return list.Take();
}

tlogoobject* imageSize(tlogoobject& receiver)
{
    const tLogoPicture* picture = self(receiver).FirstPicture();
    return picture ? pair(picture->Width(), picture->Height()) : pair(0, 0);
}

tlogoobject* hotSpot(tlogoobject& receiver)
{
    const tLogoPicture* picture = self(receiver).FirstPicture();
    return picture ? pair(picture->hotX, picture->hotY) : pair(0, 0);
}

tlogoobject* setHotSpot(tlogoobject& receiver, tlogoobject* point)
{
    if (!point->IsList()) throw eLogoException(erExpectList, point);
    auto* list = static_cast<tLogoList*>(point);
    if (list->Count() != 2) throw eLogoException(erExpectList2, point);
    const int32_t x = list->first->AsInteger(), y = list->rest->first->AsInteger();
    return mapPictures(self(receiver), [&](const tLogoPicture& picture) {
        tLogoPicture moved = picture;
        moved.hotX = x;
        moved.hotY = y;
        return moved;
    });
}

int32_t delay(tlogoobject& receiver)
{
    const tLogoPicture* picture = self(receiver).FirstPicture();
    return picture ? picture->delay : 0;
}

tlogoobject* setDelay(tlogoobject& receiver, tlogoobject* milliseconds)
{
    const int32_t value = std::max(milliseconds->AsInteger(), 0);
    return mapPictures(self(receiver), [&](const tLogoPicture& picture) {
        tLogoPicture delayed = picture;
        delayed.delay = value;
        return delayed;
    });
}

tlogoobject* number(long double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 2147483648.0L) return NewInteger(static_cast<int32_t>(value));
    return NewReal(value);
}

tlogoobject* imageInfo(tlogoobject& receiver)
{
    const tLogoImage& image = self(receiver);
    tListBuilder list;
    list.Append(NewWord(primaryWord("param", "style")));
    list.Append(NewWord(primaryWord("param", image.style == tLogoImage::styleHeading ? "heading" : "frame")));
    list.Append(NewWord(primaryWord("param", "zeroangle")));
    list.Append(number(image.zeroAngle));
    list.Append(NewWord(primaryWord("param", "loop")));
    list.Append(NewWord(primaryWord("param", image.loop ? "looptrue" : "loopfalse")));
    return list.Take();
}

// Which of the keys the word is, as any of its "param" synonyms; -1 when none.
int whichWord(tlogoobject* value, std::initializer_list<const char*> keys)
{
    if (!value->IsWord()) return -1;
    int i = 0;
    for (const char* key : keys) {
        if (isWord("param", key, value->WordText())) return i;
        ++i;
    }
    return -1;
}

tlogoobject* setImageInfo(tlogoobject& receiver, tlogoobject* settings)
{
    tLogoImage& image = self(receiver);
    if (!settings->IsList()) throw eLogoException(erExpectList, settings);
    tLogoImage changed;
    changed.CopyInfo(image);
    for (tLogoList* cell = static_cast<tLogoList*>(settings); cell && cell->first; cell = cell->rest ? cell->rest->rest : nullptr) {
        tlogoobject* key = cell->first;
        tlogoobject* value = cell->rest ? cell->rest->first : nullptr;
        if (!value) throw eLogoException(erExpectWord, key);
        switch (whichWord(key, {"style", "zeroangle", "loop"})) {
        case 0: {
            const int style = whichWord(value, {"frame", "heading"});
            if (style < 0) throw eLogoException(erExpectWord, value);
            changed.style = static_cast<uint8_t>(style);
            break;
        }
        case 1:
            if (!value->IsNumber()) throw eLogoException(erExpectWord, value);
            changed.zeroAngle = value->AsReal();
            break;
        case 2: {
            const int loop = whichWord(value, {"loopfalse", "looptrue"});
            if (loop < 0) throw eLogoException(erExpectWord, value);
            changed.loop = loop == 1;
            break;
        }
        default:
            throw eLogoException(erExpectWord, key);
        }
    }
    if (changed.style == image.style && changed.zeroAngle == image.zeroAngle && changed.loop == image.loop) return &image;
    tLogoImage* result = withFrames(image, image.frames);
    result->CopyInfo(changed);
    return result;
}

tlogoobject* rotate(tlogoobject& receiver, tlogoobject* angle)
{
    long double degrees = std::fmod(angle->AsReal(), 360.0L);
    if (degrees < 0) degrees += 360;
    if (degrees == 0 || !std::isfinite(degrees)) return &receiver;
    return mapPictures(self(receiver), [&](const tLogoPicture& picture) { return rotatedPicture(picture, degrees); });
}

tlogoobject* tintColour(tlogoobject& receiver, tlogoobject* colour)
{
    const uint32_t rgb = colour->AsColor();
    return mapPictures(self(receiver), [&](const tLogoPicture& picture) { return tintedPicture(picture, rgb); });
}

using tAdder = void (*)(tLogoTab& table, uint32_t code, uint8_t binding);

template <class Descriptor, auto Operation>
void add(tLogoTab& table, uint32_t code, uint8_t binding)
{
    table.PutEntry(new Descriptor(code, binding, Operation));
}

struct tMethodRow {
    const char* name;
    bool literal;
    tAdder add;
};

constexpr uint8_t kComparison = 2;

const tMethodRow kImageRows[] = {
    {"count", false, add<tPasProcDesc0i, count>},
    {"first", false, add<tPasProcDesc0p, first>},
    {"last", false, add<tPasProcDesc0p, last>},
    {"butfirst", false, add<tPasProcDesc0p, butFirst>},
    {"butlast", false, add<tPasProcDesc0p, butLast>},
    {"fput", false, add<tPasProcDesc1p, fput>},
    {"lput", false, add<tPasProcDesc1p, lput>},
    {"item", false, add<tPasProcDesc1p, item>},
    {"butitem", false, add<tPasProcDesc1p, butItem>},
    {"pick", false, add<tPasProcDesc0p, pick>},
    {"shuffle", false, add<tPasProcDesc0p, shuffle>},
    {"reverse", false, add<tPasProcDesc0p, reverse>},
    {"member?", false, add<tPasProcDesc1b, isMember>},
    {"member", false, add<tPasProcDesc1i, member>},
    {"butmember", false, add<tPasProcDesc1p, butMember>},
    {"frommember", false, add<tPasProcDesc1p, fromMember>},
    {"replace", false, add<tPasProcDesc2p, replace>},
    {"foreach", false, add<tPasProcDesc2p, forEach>},
    {"=", true, add<tPasProcDesc1b, equals>},
    {"<>", true, add<tPasProcDesc1b, differs>},
    {"imagesize", false, add<tPasProcDesc0p, imageSize>},
    {"hotspot", false, add<tPasProcDesc0p, hotSpot>},
    {"sethotspot", false, add<tPasProcDesc1p, setHotSpot>},
    {"delay", false, add<tPasProcDesc0i, delay>},
    {"setdelay", false, add<tPasProcDesc1p, setDelay>},
    {"imageinfo", false, add<tPasProcDesc0p, imageInfo>},
    {"setimageinfo", false, add<tPasProcDesc1p, setImageInfo>},
    {"rotate", false, add<tPasProcDesc1p, rotate>},
    {"tintcolour", false, add<tPasProcDesc1p, tintColour>},
};

void registerImageMethodTable()
{
    // Images made before a switch keep pointing into the table they were given.
    static auto* kept = new std::vector<tLogoTab*>;
    auto* table = new tLogoTab(nullptr, "commandsLabel");
    table->shared = 1;
    for (const tMethodRow& row : kImageRows) {
        const std::vector<std::string> names = row.literal ? std::vector<std::string>{row.name} : registrationNames(row.name);
        for (const std::string& name : names) row.add(*table, nameCode(name), row.literal ? kComparison : 0);
    }
    kept->push_back(table);
    setImageMethodTable(table);
}

}  // namespace

void buildImageMethodTable()
{
    static const bool listening = [] {
        onLanguageSwitched(&registerImageMethodTable);
        return true;
    }();
    (void)listening;
    registerImageMethodTable();
}
