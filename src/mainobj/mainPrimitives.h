#pragma once

class tLogoTab;

// The main object's primitive families; tMainLogoObject::SetUpTables calls them in order.
void registerStreamPrimitives(tLogoTab& table);
void registerBuildingPrimitives(tLogoTab& table);
void registerVariablePrimitives(tLogoTab& table);
void registerControlPrimitives(tLogoTab& table);
void registerHigherOrderPrimitives(tLogoTab& table);
void registerErrorPrimitives(tLogoTab& table);
void registerObjectPrimitives(tLogoTab& table);
void registerValueMethodPrimitives(tLogoTab& table);
