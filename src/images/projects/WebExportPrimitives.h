#pragma once

class tLogoTab;

// "saveforweb" (a web page with the project's picture and its web package beside it) and
// "unpackwebproject" (the project out of such a package).
void registerWebExportPrimitives(tLogoTab& table);
