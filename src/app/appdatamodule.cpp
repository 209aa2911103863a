#include "app/appdatamodule.h"

#include <QtGlobal>

namespace {
TDM_CS* current = nullptr;
}

TDM_CS& DM_CS() {
    Q_ASSERT(current);
    return *current;
}

void setDM_CS(TDM_CS* dataModule) {
    current = dataModule;
}
