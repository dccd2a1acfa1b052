#pragma once
// The dialog "Stammdaten für Elster-Verfahren": the eight Elster keys of a circle's settings file.

#include <string>

#include "config/circle_settings.h"
#include "ui/messages.h"

namespace tellmark::circles {

// 1; 0 after "Unerwarteter Fehler beim Öffnen/Lesen der Buchungskreisdaten !". Values cut to capacity.
int loadElsterData(const std::string& dataDirectory, int number, config::ElsterData& data, ui::Messages& messages);
// Sets the eight keys (each cut to its capacity) and saves; 1 when saved.
int saveElsterData(const std::string& dataDirectory, int number, const config::ElsterData& data,
                   ui::Messages& messages);

}  // namespace tellmark::circles
