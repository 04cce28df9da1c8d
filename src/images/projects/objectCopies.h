#pragma once

class tLogoTab;

// "clone object properties": a copy of the object (with the objects it holds) made by writing
// it as a project does and reading that back, named by the list's "name" or else the next
// free name after the original's, with the list's other properties applied to the copy.
// Classes are not copied (erBadValue).
void registerObjectCopyPrimitives(tLogoTab& table);
