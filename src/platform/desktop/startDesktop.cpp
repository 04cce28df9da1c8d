#include "platform/desktop/startDesktop.h"

#include <QGuiApplication>

#include "mainobj/tMainLogoObject.h"
#include "platform/desktop/desktopPrimitives.h"
#include "platform/desktop/tQtClipboard.h"

void startDesktop()
{
    tLogoTab& table = *mainLogoObject().procTable;
    registerClipboardPrimitives(table);
    registerDocumentPrimitives(table);
    registerScreenMetricsPrimitives(table);
    // The console makes no Qt application: its clipboard stays the program's own.
    if (QGuiApplication::instance()) installClipboard(std::make_shared<tQtClipboard>());
}
