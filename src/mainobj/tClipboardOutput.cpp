#include "mainobj/tClipboardOutput.h"

#include "mainobj/tClipboard.h"

void tClipboardOutput::Close()
{
    if (closed_) return;
    closed_ = true;
    clipboard().SetText(buffer_);
}
