#pragma once

// Builds the table through which image values answer the value methods ("first", "item",
// "sethotspot", "rotate" ...) and hands it to the image class; built again after a language
// switch. Call with the interpreter lock held, before any image is made.
void buildImageMethodTable();
