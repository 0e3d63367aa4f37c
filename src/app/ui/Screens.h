#pragma once

// Registers every screen the menu can open with the screen registry.
void RegisterScreens();
