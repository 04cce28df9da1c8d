#pragma once

// Registers the project primitives in the main object; called once at start-up, with the
// interpreter lock held, after the main object has been built.
void startProjects();
