#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class tLogoProcDesc;
class tLogoTab;
class tlogoobject;

// Defining user procedures, from source text ("to name :input ... end") or from a definition
// list [[inputs] line1 line2 ...], into a procedure table.

// Defines the procedure of the text in the table (or, with checkOnly, only checks its name).
// Text equal to the existing definition leaves the existing descriptor in place.
void DefineFromText(tLogoTab& procedures, std::string_view text, bool checkOnly = false);

// Builds the procedure and puts it in the table, replacing an entry of the same name.
void DefineFromList(tLogoTab& procedures, std::string_view name, tlogoobject* definition,
                    std::string sourceText = {});

// Fails erBadProcName when the name cannot name a procedure.
void CheckProcedureName(std::string_view name);

// A procedure that stands in no table (the temporary procedures of "apply"-like primitives).
std::unique_ptr<tLogoProcDesc> BuildProcedure(uint32_t code, tlogoobject* definition, std::string sourceText = {});
// A template procedure: one line in which "%" or "%1", "%2" ... are the inputs.
std::unique_ptr<tLogoProcDesc> BuildTemplateProcedure(uint32_t code, const std::vector<uint32_t>& inputNames,
                                                      tlogoobject* line);
