// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpPrinting.h"

#include "help/HelpPrint.h"
#include "print/QtPrintDevice.h"

void printHelpTopic(const HelpTopic& topic, QWidget* owner) {
    QtPrintDevice device(owner);
    PrintTopic(device, topic);
}
