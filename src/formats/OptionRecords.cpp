#include "formats/OptionRecords.h"

void setModelDefaults(OptPanel& panel) {
    panel.AutoSeiriNum = 1;
    panel.SeiriNumColorOff = 0xFFFFFF;
    panel.SeiriNumColorOn1 = 0xC0FFC0;
    panel.SeiriNumColorOn2 = 0x80C0FF;
}
