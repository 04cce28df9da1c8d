#pragma once

class tLogoTab;
class tmultiobject;

// The commands and operations of net objects, and their properties (host, style, port,
// run enabled, nickname), registered on the net class.
void registerNetPrimitives(tLogoTab& table);
void declareNetProperties(tmultiobject& netClass);
