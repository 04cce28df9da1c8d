#pragma once

class tLogoTab;

// The system families of the main object, registered in this order by tMainLogoObject.
void registerWorkspaceQueries(tLogoTab& table);
void registerBuryPrimitives(tLogoTab& table);
void registerProcedureWorkspacePrimitives(tLogoTab& table);
void registerDictionaryPrimitives(tLogoTab& table);
void registerFilePrimitives(tLogoTab& table);
void registerPathPrimitives(tLogoTab& table);
void registerTextFilePrimitives(tLogoTab& table);
void registerPropertyListPrimitives(tLogoTab& table);
void registerClockPrimitives(tLogoTab& table);
void registerOptionPrimitives(tLogoTab& table);
void registerWorkspaceDiagnostics(tLogoTab& table);
void registerDialogPrimitives(tLogoTab& table);
void registerChooserPrimitives(tLogoTab& table);
void registerPrintPrimitives(tLogoTab& table);
void registerEnvironmentChooserPrimitives(tLogoTab& table);
void registerButtonBarPrimitives(tLogoTab& table);
