#include "net/netObjects.h"

#include "images/projects/projectLoading.h"
#include "images/projects/projectSaving.h"
#include "interpreter/tProcessContext.h"
#include "language/tMemoryStream.h"
#include "mainobj/tMainLogoObject.h"
#include "net/tLogoNet.h"
#include "objects/objectNames.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

std::string objectMessageBody(tlogoobject* value)
{
    auto* object = dynamic_cast<tmultiobject*>(value);
    if (!object && value->IsWord())
        object = resolveObjectPath(static_cast<tmultiobject*>(requireContext().currentObject), value->WordText());
    if (!object)
        throw eLogoException(erNoObject, value);
    const std::vector<uint8_t> project = objectsProject({object});
    return std::string(project.begin(), project.end());
}

void loadReceivedObject(tLogoNet& net, tLogoList* parameters)
{
    if (!net.receivedObject)
        return;
    // The bytes stay the net object's: a handler may load them again.
    const std::string body = *net.receivedObject;
    tMemoryStream stream(std::vector<uint8_t>(body.begin(), body.end()));
    tProjectLoad load;
    load.parameters = parameters;
    load.echo = [](const std::string& line) { mainLogoObject().Write(line + "\r\n"); };
    loadProject(stream, load);
}
