#pragma once

class TDM_CS;

// The data module of the run, set up by main() before any window exists.
TDM_CS& DM_CS();
void setDM_CS(TDM_CS* dataModule);
