#pragma once
namespace minori {
// Registers every screen of the program with the main window's buttons.
void registerAllScreens();
}
