#pragma once
// For the screenshot script only: VALDERO_SCREENSHOT=path:ms saves a picture
// of the whole screen after ms milliseconds and ends the program. While it is
// set, file dialogs are cancelled at once so that the state behind them can
// be pictured.

void ZetSchermafdrukKlaar();
