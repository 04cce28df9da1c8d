#pragma once

#include <cstdint>
#include <string>
#include <vector>

class tCompiledForm;

class tlogoobject;

// The line (from 1, after the title line, comment lines left out) of a procedure's definition
// text on which an error stood, found from the position trail of the error: the body run's
// position, and beneath it the positions inside the instruction-list inputs of the body.
// sources names the list whose run added each trail entry (tProcessContext::trailSources); when
// it matches the trail, the finder descends into the input list that actually ran (the first
// of two, say), else into the last one before the position.
int32_t failingLine(const std::string& definitionText, tCompiledForm& body, const std::vector<int32_t>& trail,
                    const std::vector<const tlogoobject*>& sources);

// The definition text as the line count sees it: line breaks normalised, title line, comment
// lines and the closing "end" removed.
std::string bodyTextForLines(const std::string& definitionText);
