#include "images/projects/startProjects.h"

#include "images/projects/ProjectPrimitives.h"
#include "images/projects/objectCopies.h"
#include "images/projects/WebExportPrimitives.h"
#include "images/projects/WorkspacePrimitives.h"
#include "mainobj/tMainLogoObject.h"

void startProjects()
{
    registerProjectPrimitives(*mainLogoObject().procTable);
    registerWorkspacePrimitives(*mainLogoObject().procTable);
    registerObjectCopyPrimitives(*mainLogoObject().procTable);
    registerWebExportPrimitives(*mainLogoObject().procTable);
}
