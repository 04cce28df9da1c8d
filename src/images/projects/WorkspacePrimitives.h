#pragma once

class tLogoTab;

// "eraseall": the main object's user procedures and variables, its property lists and every
// object made after the environment was built are erased, and the workspace has no project
// file any more. What the environment and the start-up program made stays, as does a
// procedure still running.
void eraseWorkspace();

// eraseall, .donotsaveproc, .donotsavevar, .donotsaveallvars, setstate, .setstate
void registerWorkspacePrimitives(tLogoTab& table);
