#include "values/tTabDesc.h"

#include <ostream>

#include "language/Language.h"

namespace {
bool startupLoading = false;
bool windowBuilding = false;
}  // namespace

void setStartupLoading(bool loading) { startupLoading = loading; }

void setWindowBuilding(bool building) { windowBuilding = building; }

bool markingSystemEntries() { return startupLoading && !windowBuilding; }

tTabDesc::tTabDesc(uint32_t code, uint8_t flags)
    : code(code), flags(static_cast<uint8_t>(markingSystemEntries() ? flags | kSystemEntry : flags))
{
}

std::string tTabDesc::NameText() { return codeName(code); }

void tTabDesc::SaveEntry(std::ostream&, int, int) {}

void tTabDesc::PrintEntry(std::ostream& printer) { printer << NameText() << ' ' << DefinitionText() << '\n'; }

bool tTabDesc::IsAvailable(bool) { return true; }
