#include "mainobj/tMainLogoObject.h"

#include "language/Language.h"
#include "mainobj/commandTiming.h"
#include "mainobj/mainPrimitives.h"
#include "mainobj/system/systemPrimitives.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/system/tFilePaths.h"
#include "objects/objectList.h"
#include "processes/processPrimitives.h"
#include "values/tLogoString.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

tMainLogoObject::tMainLogoObject()
    : tcontainerobject(nullptr, primaryWord("class", "main"), kNoParents), propertyStore(std::make_unique<tlogotable>())
{
    needsPlace = false;
}

tMainLogoObject::~tMainLogoObject()
{
    SelectOutput(nullptr);
    if (fallbackOutput) fallbackOutput->Close();
    inputStream.reset();
    propertyStore.reset();
    globalVarTable.reset();
}

void tMainLogoObject::SetUpTables()
{
    tcontainerobject::SetUpTables();
    setUpFilePaths();
    setUpSystemOptions();
    globalVarTable = std::make_unique<tLogoGlobalVarTab>(this);
    varTable->Define(nameCode("@childdestination"), NewInteger(0), 0);
    tLogoTab& table = *procTable;
    registerValueMethodPrimitives(table);
    registerStreamPrimitives(table);
    registerBuildingPrimitives(table);
    registerVariablePrimitives(table);
    registerControlPrimitives(table);
    registerProcessPrimitives(table);
    registerHigherOrderPrimitives(table);
    registerErrorPrimitives(table);
    registerObjectPrimitives(table);
    registerWorkspaceQueries(table);
    registerBuryPrimitives(table);
    registerProcedureWorkspacePrimitives(table);
    registerDictionaryPrimitives(table);
    registerFilePrimitives(table);
    registerPathPrimitives(table);
    registerTextFilePrimitives(table);
    registerPropertyListPrimitives(table);
    registerClockPrimitives(table);
    registerCommandTimingPrimitives(table);
    registerOptionPrimitives(table);
    registerWorkspaceDiagnostics(table);
    registerDialogPrimitives(table);
    registerChooserPrimitives(table);
    registerPrintPrimitives(table);
    registerEnvironmentChooserPrimitives(table);
    registerButtonBarPrimitives(table);

    std::string prefix = primaryWord("prefix", "main");
    prefix = prefix.substr(0, prefix.find(' '));
    varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(prefix), 0);
    varTable->Define(nameCode(primaryWord("name", "fileName")), NewWord(""), 0);
}

void tMainLogoObject::SelectOutput(std::unique_ptr<tTextOutput> stream)
{
    if (outputStream) outputStream->Close();
    outputStream = std::move(stream);
}

void tMainLogoObject::SelectInput(std::optional<tTextInput> stream) { inputStream = std::move(stream); }

void tMainLogoObject::Write(std::string_view text)
{
    if (tTextOutput* stream = outputStream ? outputStream.get() : fallbackOutput.get()) stream->Write(text);
}

tMainLogoObject& mainLogoObject() { return *static_cast<tMainLogoObject*>(mainObject()); }
