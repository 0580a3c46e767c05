#include "app/lapmark_app.h"

wxIMPLEMENT_APP(LapmarkApp);
