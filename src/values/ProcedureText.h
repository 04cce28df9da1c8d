#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class tlogoobject;

// The definition text of a user procedure that was not defined from text: the "to" line with
// the input names (a rest input shows its one name and its default count), the body, "end".
// A word body is written in its source form as one line; a list body is one line per element.
// Lines end with CR LF; the text ends with the "end" keyword.
std::string procedureDefinitionText(std::string_view name, const std::vector<std::string>& inputs,
                                    std::optional<int> restDefaultCount, tlogoobject* body);
