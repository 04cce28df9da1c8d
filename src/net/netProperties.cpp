#include "net/netPrimitives.h"

#include "language/Language.h"
#include "net/tLogoNet.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoInt.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

namespace number {
constexpr int32_t kHost = 154;
constexpr int32_t kStyle = 158;
constexpr int32_t kPort = 159;
constexpr int32_t kRunEnabled = 169;
constexpr int32_t kNickname = 170;
}  // namespace number

const std::string& wordOf(tlogoobject* value)
{
    if (!value->IsWord()) throw eLogoException(erExpectWord, value);
    return value->WordText();
}

tNetLink& linkOf(tmultiobject& object) { return tLogoNet::Of(object).Link(); }

tlogoobject* getHost(tmultiobject& object) { return NewLiteralWord(linkOf(object).Host()); }
void setHost(tmultiobject& object, tlogoobject* value) { linkOf(object).SetHost(wordOf(value)); }

const char* modeWord(tNetMode mode)
{
    switch (mode) {
    case tNetMode::kClient: return "client";
    case tNetMode::kServer: return "server";
    case tNetMode::kNone: break;
    }
    return "no";
}

tlogoobject* getStyle(tmultiobject& object) { return NewLiteralWord(primaryWord("param", modeWord(linkOf(object).Mode()))); }
void setStyle(tmultiobject& object, tlogoobject* value)
{
    tLogoNet& net = tLogoNet::Of(object);
    const std::string& word = wordOf(value);
    for (tNetMode mode : {tNetMode::kNone, tNetMode::kClient, tNetMode::kServer}) {
        if (!isWord("param", modeWord(mode), word)) continue;
        if (net.Link().Mode() != mode) {
            net.ForgetArrivals();
            net.Link().SetMode(mode);
        }
        return;
    }
    throw eLogoException(erExpectNetStyle, value);
}

tlogoobject* getPort(tmultiobject& object) { return NewInteger(linkOf(object).Port()); }
void setPort(tmultiobject& object, tlogoobject* value)
{
    tNetLink& link = linkOf(object);
    failUnlessStarted(link.SetPort(value->AsIntegerIn(0, 65535)), link.Mode());
}

tlogoobject* getRunEnabled(tmultiobject& object) { return NewBoolean(linkOf(object).RunEnabled()); }
void setRunEnabled(tmultiobject& object, tlogoobject* value) { linkOf(object).SetRunEnabled(value->AsBoolean()); }

tlogoobject* getNickname(tmultiobject& object) { return NewLiteralWord(linkOf(object).Nickname()); }
void setNickname(tmultiobject& object, tlogoobject* value) { linkOf(object).SetNickname(wordOf(value)); }

const tBoundProperty kHost{&getHost, &setHost};
const tBoundProperty kStyle{&getStyle, &setStyle};
const tBoundProperty kPort{&getPort, &setPort};
const tBoundProperty kRunEnabled{&getRunEnabled, &setRunEnabled};
const tBoundProperty kNickname{&getNickname, &setNickname};

}  // namespace

void declareNetProperties(tmultiobject& netClass)
{
    declareProperty(netClass, boundPropertyDeclaration(number::kHost, {}, 0, kHost));
    declareProperty(netClass, boundPropertyDeclaration(number::kStyle, {}, 0, kStyle));
    declareProperty(netClass, boundPropertyDeclaration(number::kPort, {}, 0, kPort));
    declareProperty(netClass, boundPropertyDeclaration(number::kRunEnabled, {}, 0, kRunEnabled));
    declareProperty(netClass, boundPropertyDeclaration(number::kNickname, {}, 0, kNickname));
    // What an object made from a stored one carries along; the style last, since a new style
    // disconnects.
    netClass.paramsToMove = std::make_shared<const std::vector<int32_t>>(
        std::vector<int32_t>{number::kHost, number::kPort, number::kNickname, number::kStyle});
}
