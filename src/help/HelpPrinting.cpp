#include "help/HelpPrinting.h"

#include "help/HelpPrint.h"
#include "print/QtPrintDevice.h"

void printHelpTopic(const HelpTopic& topic) {
    QtPrintDevice device;
    PrintTopic(device, topic);
}
