#pragma once

class tLogoTab;

// The desktop's families of the main object.
void registerClipboardPrimitives(tLogoTab& table);
void registerDocumentPrimitives(tLogoTab& table);
void registerScreenMetricsPrimitives(tLogoTab& table);
