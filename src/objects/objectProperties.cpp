#include "objects/objectProperties.h"

#include <array>
#include <mutex>

#include "language/PropertyNameRows.h"

namespace {

constexpr std::array<const char*, kPropertyCount> kKeys = {
    "name", "aPos", "xCor", "yCor", "pos", "size", "width", "height",                        // 0
    "hint", "enabled", "shown", "value", "richText", "font_text", "colour", "bgcolour_text",   // 8
    "editing", "transparent", "stayEditing", "activePage", "caption_window", "caption",       // 16
    "oneShot", "style", "down", "allUp", "flat", "group", "picture", "",                      // 22
    "min", "max", "value_slider", "vertical", "origin", "bgLineColour", "bgLineWidth",        // 30
    "bgPicture", "pageWho", "bgColour", "heading", "homeState", "xCor", "yCor", "fillColour", // 37
    "fillPattern", "pen", "penColour", "penWidth", "penPattern", "rangeStyle", "range",       // 45
    "frame", "shape", "shapeScale", "shapeColour", "animation", "font", "transparentClick",   // 52
    "parentHandle", "fullPicture", "voiceMenu", "mainvoiceMenu", "frameItem", "autoDrag",     // 59
    "sensitive", "windowState",                                                               // 65
    "x", "y", "z", "r", "u", "v",                                                             // 67
    "rangeX", "rangeY", "rangeZ", "rangeR", "rangeU", "rangeV",                               // 73
    "deadZoneX", "deadZoneY", "deadZoneZ", "deadZoneR", "deadZoneU", "deadZoneV",             // 79
    "axesCount", "buttonCount", "pov",                                                        // 85
    "button1", "button2", "button3", "button4", "button5", "button6", "button7", "button8",   // 88
    "button9", "button10", "button11", "button12", "button13", "button14", "button15",
    "button16", "button17", "button18", "button19", "button20", "button21", "button22",
    "button23", "button24", "button25", "button26", "button27", "button28", "button29",
    "button30", "button31", "button32",                                                       // 118
    "frameMode", "bgcolour_slider", "thumbLength", "bgLinePattern", "selection",              // 120
    "selectedText", "velocityXY", "velocity", "angle", "prompt", "readlistPrompt",            // 125
    "shownRange", ".name", "switch", "useWho", "transparent_slider", "filename",              // 131
    "showbuttons_mm", "address", "maximized_web", "style_web",                                // 137
    "host", "userID", "port_email", "attachments", "body", "fromAddress", "fromName",         // 141
    "replyTo", "subject", "toAddress", "toBlindCarbonCopy", "toCarbonCopy",                   // 148
    "showToolbar", "server", "delayScale", "position", "playState", "style_net", "port",      // 153
    "controlledObject", "align", "order", "caption_web", "showTitleBar", "caption_mm",        // 160
    "showtitlebar_mm", "maximized", "style_mm", "runEnabled", "nickName", "myPlace",          // 166
    "number", "borderColour", "acceptCommands", "acceptKeyMenu", "keyMenu",                   // 172
    "acceptVoiceMenu", "frozen", "userCanStop", "growWithValue", "oneLine", "screenState",    // 177
    "mainbarShown", "paintbarShown",                                                          // 183
    "comname", "port_serial", "baudrate", "databits", "stopbits", "parity", "rtscts",         // 185
    "xonxoff", "asyncinput", "connected_serial", "fpuflags",                                  // 192
};

// The common and graphic properties first, in the order the kinds declare them; then the
// further kinds grouped; the floating-point flags last.
constexpr int32_t kLeadingOrder[] = {
    0,   132, 4,   1,   5,   8,   10,  9,   64,  178, 171, 176, 2,   3,   6,   7,   40,  41,
    42,  43,  44,  45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  63,
    65,  120, 131, 155, 60,  26,  24,  23,  21,  22,  28,  25,  27,  179, 133, 134, 161, 162,
    19,  175, 177, 20,  62,  129, 130, 66,  173, 174, 38,  39,  35,  36,  37,  123, 34,  61,
};
struct tNumberRange {
    int32_t first, last;
};
constexpr tNumberRange kKindGroups[] = {
    {67, 119}, {126, 128},                                  // joystick
    {141, 152},                                             // e-mail
    {11, 18},  {124, 125}, {180, 181}, {59, 59},            // text
    {30, 33},  {121, 122}, {135, 135},                      // slider
    {136, 137}, {156, 157}, {165, 168}, {160, 160},         // media player
    {138, 140}, {163, 164},                                 // web
    {154, 154}, {158, 159}, {169, 170}, {172, 172},         // network
    {153, 153}, {182, 184},                                 // window state
    {185, 194},                                             // serial port
    {195, 195},
};

std::vector<int32_t> buildSetUpOrder()
{
    std::vector<int32_t> order(std::begin(kLeadingOrder), std::end(kLeadingOrder));
    for (const tNumberRange& group : kKindGroups)
        for (int32_t number = group.first; number <= group.last; ++number) order.push_back(number);
    return order;
}

tPropertyNames fromRow(const tPropertyNameRow& row)
{
    tPropertyNames names;
    names.getterCode = row.nameCode;
    names.setterCode = row.setterCode;
    names.extraGetterNames = row.getterNames;
    // The row's first setter name is the main one.
    names.extraSetterNames.assign(row.setterNames.begin() + 1, row.setterNames.end());
    names.synonyms = row.synonyms;
    return names;
}

// The floating-point flags keep their English names in every language.
tPropertyNames fpuFlagsNames()
{
    tPropertyNames names;
    names.getterCode = nameCode("fpuflags");
    names.setterCode = nameCode("setfpuflags");
    names.synonyms = {"fpuflags"};
    return names;
}

std::array<tPropertyNames, kPropertyCount> records;
std::once_flag recordsBuilt;

void buildRecords()
{
    const std::vector<int32_t>& order = propertySetUpOrder();
    std::vector<std::string> keys;
    for (int32_t number : order)
        if (number != property::kFpuFlags) keys.emplace_back(kKeys[number]);
    std::vector<tPropertyNameRow> rows = buildPropertyNameRows(keys);
    for (size_t i = 0; i < rows.size(); ++i) records[order[i]] = fromRow(rows[i]);
    records[property::kFpuFlags] = fpuFlagsNames();
}

}  // namespace

std::string_view propertyKey(int32_t number)
{
    if (number < 0 || number >= kPropertyCount) return {};
    return kKeys[number];
}

const std::vector<int32_t>& propertySetUpOrder()
{
    static const std::vector<int32_t> order = buildSetUpOrder();
    return order;
}

const tPropertyNames& propertyNames(int32_t number)
{
    std::call_once(recordsBuilt, [] {
        onLanguageSwitched(&buildRecords);
        buildRecords();
    });
    static const tPropertyNames none;
    if (propertyKey(number).empty()) return none;
    return records[number];
}

bool isPropertyWord(int32_t number, std::string_view word)
{
    for (const std::string& synonym : propertyNames(number).synonyms)
        if (sameWord(synonym, word)) return true;
    return false;
}
