#include "mainobj/system/containerTexts.h"

namespace {
tContainerTexts installed;
}  // namespace

void installContainerTexts(const tContainerTexts& texts) { installed = texts; }

const tContainerTexts* containerTexts() { return installed.textChunk ? &installed : nullptr; }
