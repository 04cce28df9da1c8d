#include "values/errorConst.h"

namespace {
const char* const kNames[kErrorConstCount] = {
    "erUnexpected", "erUser", "erWhatToDo", "erDoesNotLike", "erEmptyList", "erEmptyWord",
    "erExpectList", "erExpectImage", "erExpectWord", "erBadValue", "erBadStructure", "erShortList",
    "erExpectNumber", "erExpectList2", "erExpectWav", "erExpectBadProc", "erExpectColors",
    "erEmptyImage", "erExpectedXY", "erExpectPoint", "erExpectRect", "erExpectNetStyle",
    "erExpectPen", "erExpectList6", "erNoVal", "erDoNotKnowHowTo", "erMinMax", "erNotEnoughInputs",
    "erEvenNumber", "erNotBool", "erMissingRpar", "erWrongSequence", "erDiv0", "erDidNotReport",
    "erWrongPlace", "erWrongPlaceINI", "erWrongPlaceAsk", "erWrongPlaceRepc", "erTooManyInputs",
    "erNotExecuted", "erNoCatch", "erTooManyThingsInPars", "erFileProblem", "erNumTooBig", "erReal",
    "erNoProperty", "erNoDemo", "erCannotEraseProcIsPrim", "erExtraRBracket", "erMCI", "erNoObject",
    "erNoSave", "erNoPrint", "erNoTextboxName", "erIncopatible", "erObjectContain",
    "erZembrixEditor", "erOpenDoc", "erFileName", "erClipboard", "erZembrixProject", "erFileErase",
    "erFileRename", "erFolderErase", "erFolderCreate", "erNamedObject", "erWrongPoints",
    "erInternWait0", "erInternCanvas", "erInternDrawingIndex", "erImageFile", "erTurtleUnknown",
    "erServerStart", "erServerSetting", "erServerMissing", "erServerConnect", "erWrongSender",
    "erInitNet", "erInitTurtle", "erInitGraphic", "erInitText", "erInitSlider", "erInitVideo",
    "erInitWeb", "erInitMedia", "erInitWindow", "erInitPane", "erInitPage", "erInitToolButton",
    "erInitToolWindow", "erInitEmail", "erInvalidPlace", "erInvalidParent", "erDrawingComm",
    "erDrawingMissingList", "erDrawingMissingPoints", "erDrawingWrongPoints",
    "erDrawingMissingFont", "erDrawingMissingText", "erDrawingMissingColor", "erDrawingMissingFP",
    "erDrawingMissingPP", "erDrawingMissingNumber", "erDrawingMissingNumber2",
    "erDrawingMissingComm", "erObjName", "erIncorrectNumber", "erVideoMissingFile",
    "erVideoFileChanged", "erVideoState", "erJoyControl", "erJoyNumber", "erJoyReadOnly",
    "erEraseDesc", "erEraseNoPage", "erTurtleName", "erNameExist", "erNoCurPage", "erEraseOnlyPage",
    "erNoPageCreateObj", "erFreeChannel", "erColorWrongName", "erInsertAsPage", "erMissingTO",
    "erMissingToName", "erEmptyObjName", "erUndefObjVar", "erWrongVarName", "erNoActiveToolbutton",
    "erNoMyplace", "erNoObjCreated", "erNotInsideWin", "erNotInsidePage", "erMisspaced",
    "erNotFoundObj", "erInvalidParentAccpt", "erMyPlaceChanged", "erIvalidPrototype",
    "erIvalidPrototypeMain", "erInvalidObjName", "erWrongPrefix", "erUnknownKeyMenu", "erUsual",
    "erStackShiftTop", "erStackShift", "erStackTop", "erStackPopnil", "erStackPop", "erStackPop1",
    "erStackPopdec", "erStackDeletetop", "erStackLookstack", "erStackReplaceTop", "erInternExecute",
    "erInternExecuteF", "erUnDefEvenet", "erPageNotExist", "erNoActiveObj", "erInternLogoTab",
    "erDeepAsk", "erInternPopWho", "erInternDestroy", "erInternShapeAnim", "erVoiceList",
    "erEmailCreate", "erBadProcName", "erRedefineUsedProc", "erRedefinePrimitiveProc",
    "erEditUsedProc", "erCannotEraseProcIsRunning", "erNoTextInput", "erUnsupportedLanguage",
    "erErasePersistent", "erImageFileVersion", "erImageFileVersionPlugin", "erObjNameDuplicate",
    "erCannotEdit", "erCannotEditVar", "erCannotEditEvent", "erCannotEditGlobalVar",
    "erCannotEditProperty", "erMCIFileProblem", "erSwitchLanguage", "erCantEraseSetting",
    "erLinkLoop", "erFileCreate", "erNoEmbeddedFileEXE", "erNoEmbeddedFilePlugin",
    "erTempDirPlugin", "erNoExeZembrix", "erPackage", "erNotAPackage", "erAlreadyReading",
    "erAlreadyWriting", "erMissingRBracket", "erStackOverflow", "erNoConnection", "errrr",
};
static_assert(errrr == kErrorConstCount - 1);
}

const char* errorConstName(int key)
{
    return key >= 0 && key < kErrorConstCount ? kNames[key] : nullptr;
}
