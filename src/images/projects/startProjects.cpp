#include "images/projects/startProjects.h"

#include "images/projects/ProjectPrimitives.h"
#include "mainobj/tMainLogoObject.h"

void startProjects() { registerProjectPrimitives(*mainLogoObject().procTable); }
