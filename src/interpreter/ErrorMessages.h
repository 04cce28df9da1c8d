#pragma once

#include <exception>
#include <string>
#include <string_view>

class eLogoException;

// How an error is shown: its message with the "#" placeholders filled from what the error
// gathered, and the caption that says where it happened.

// Fills the message's placeholders once (later calls change nothing).
void FormatMessage(eLogoException& error);
// A template's placeholders filled from the error: #F file, #H culprit with brackets, #c and #h
// without, #L line, #P procedure (with its owner), #a and #b bounds, #p needing procedure.
std::string FillPlaceholders(std::string_view pattern, const eLogoException& error);
// The caption of an error report; baseCaption serves errors that happened outside any context.
std::string ContextCaption(const eLogoException& error, std::string_view baseCaption);
// The formatted message with its first CR LF replaced by the separator.
std::string MessageWithBreak(eLogoException& error, std::string_view separator);
// An error as a text front end shows it in lines: for a Logo error the caption line when it
// happened in a context, then its message broken at "\n"; for any other exception its own text.
// The caller's error is left as it was.
std::string ErrorReportText(const std::exception& error);
